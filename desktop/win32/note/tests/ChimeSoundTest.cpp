// The chime under Wine, played into a WAV file by ALSA's file output (HOME/.asoundrc, made by the
// build): what the sound system received must be the chime, not silence.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "core/files/ReadFile.h"
#include "desktop/win32/note/tests/WaitFor.h"
#include "note/ChimeSound.h"

namespace {

std::uint32_t Read(const std::string &bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// The loudest sample of the WAV file ALSA is writing, as a share of full scale (0 while it holds
// none). Its sizes are not filled in until the output closes, so the data runs to the file's end.
double Loudest(const std::filesystem::path &path)
{
    const std::string bytes = core::ReadFileBytes(path).value_or("");
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0)
        return 0;
    int format = 0, bits = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string tag = bytes.substr(at, 4);
        const std::uint32_t size = Read(bytes, at + 4, 4);
        if (tag == "fmt " && at + 24 <= bytes.size()) {
            format = static_cast<int>(Read(bytes, at + 8, 2));
            bits = static_cast<int>(Read(bytes, at + 22, 2));
        } else if (tag == "data") {
            double loudest = 0;
            const std::size_t step = static_cast<std::size_t>(bits / 8);
            for (std::size_t i = at + 8; step && i + step <= bytes.size(); i += step) {
                double value = 0;
                if (format == 3 && bits == 32) {
                    float f;
                    const std::uint32_t raw = Read(bytes, i, 4);
                    std::memcpy(&f, &raw, 4);
                    value = f;
                } else if (bits == 16) {
                    value = static_cast<std::int16_t>(Read(bytes, i, 2)) / 32768.0;
                } else if (bits == 32) {
                    value = static_cast<std::int32_t>(Read(bytes, i, 4)) / 2147483648.0;
                }
                loudest = std::max(loudest, std::abs(value));
            }
            return loudest;
        }
        at += 8 + size;
    }
    return 0;
}

TEST(ChimeSound, PlaysTheChimeIntoTheSoundOutput)
{
    const char *played = std::getenv("DOVETOCK_PLAYED");
    if (!played)
        GTEST_SKIP() << "run with a sound output";
    const std::filesystem::path out = std::string("Z:") + played; // Wine's drive for the Unix root
    std::filesystem::remove(out);

    win32::ChimeSound chime(GetModuleHandleW(nullptr));
    ASSERT_TRUE(chime.Play());
    double loudest = 0;
    EXPECT_TRUE(PumpUntil([&] { return (loudest = Loudest(out)) > 0.1; }, 60)) << "loudest " << loudest;
    chime.Stop();
}

// Without a sound output the chime stays silent, and says why once, however often it is asked.
TEST(ChimeSound, WithoutOutputSaysSoOnce)
{
    if (!std::getenv("DOVETOCK_NO_SOUND"))
        GTEST_SKIP() << "run without a sound output";
    win32::ChimeSound chime(GetModuleHandleW(nullptr));
    ::testing::internal::CaptureStderr();
    const bool first = chime.Play(), second = chime.Play();
    chime.Stop();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    std::size_t lines = 0;
    for (std::size_t at = said.find("silent"); at != std::string::npos; at = said.find("silent", at + 1))
        ++lines;
    EXPECT_EQ(lines, 1u) << said;
}

} // namespace
