// The chime artgen writes: a WAV file the system's player takes, as long as one repeat of the alarm.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/alert/AlarmRule.h"
#include "tools/artgen/Chime.h"

namespace {

std::uint32_t Read(const std::vector<std::uint8_t> &bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
    return value;
}

std::string Tag(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

struct Wave {
    std::uint32_t rate = 0;
    std::vector<int> samples;
};

// Walks the chunks as a player does; fails the test on any header a plain PCM player refuses.
Wave Parse(const std::vector<std::uint8_t> &bytes)
{
    Wave wave;
    EXPECT_EQ(Tag(bytes, 0), "RIFF");
    EXPECT_EQ(Read(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(Tag(bytes, 8), "WAVE");
    bool format = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t size = Read(bytes, at + 4, 4);
        EXPECT_LE(at + 8 + size, bytes.size());
        if (Tag(bytes, at) == "fmt ") {
            format = true;
            struct Field {
                const char *name;
                std::size_t offset;
                int size;
                std::uint32_t expected;
            };
            wave.rate = Read(bytes, at + 12, 4);
            for (const Field &f : {Field{"PCM", 8, 2, 1}, Field{"channels", 10, 2, 1}, Field{"bits", 22, 2, 16},
                                   Field{"frame bytes", 20, 2, 2}, Field{"bytes a second", 16, 4, wave.rate * 2}})
                EXPECT_EQ(Read(bytes, at + f.offset, f.size), f.expected) << f.name;
        } else if (Tag(bytes, at) == "data") {
            EXPECT_TRUE(format) << "data before its format";
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(Read(bytes, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

int Peak(const std::vector<int> &samples, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i)
        peak = std::max(peak, std::abs(samples[i]));
    return peak;
}

} // namespace

TEST(Chime, IsAPcmWaveThatRingsOutWithinOneRepeat)
{
    const Wave wave = Parse(ChimeWave());
    ASSERT_GE(wave.rate, 8000u);
    ASSERT_LE(wave.rate, 22050u);
    const std::size_t n = wave.samples.size();
    const double ms = 1000.0 * static_cast<double>(n) / wave.rate;
    // The alarm plays it again after each repeat period: it must be over by then, and not leave a
    // long silence before the next one.
    EXPECT_LE(ms, static_cast<double>(alert::AlarmRule::RepeatMs));
    EXPECT_GE(ms, static_cast<double>(alert::AlarmRule::RepeatMs) - 1000);

    const std::size_t tenMs = wave.rate / 100;
    struct Stretch {
        const char *what;
        std::size_t from, to;
        int atLeast, atMost;
    };
    for (const Stretch &s : {Stretch{"the whole sound, audible and not clipped", 0, n, 32767 / 10, 32767 * 9 / 10},
                             Stretch{"the first strike at once", 0, wave.rate / 4, 32767 / 20, 32767},
                             Stretch{"still ringing after three seconds", 3 * wave.rate, 3 * wave.rate + tenMs, 32767 / 200, 32767},
                             Stretch{"the first sample, without a click", 0, 1, 0, 32767 / 100},
                             Stretch{"the last 10 ms, faded out", n - tenMs, n, 0, 32767 / 100}}) {
        const int peak = Peak(wave.samples, s.from, s.to);
        EXPECT_GE(peak, s.atLeast) << s.what;
        EXPECT_LE(peak, s.atMost) << s.what;
    }
}
