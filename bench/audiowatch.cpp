// audiowatch: reports when sound starts in a stream of 16-bit mono samples on standard input, for
// the alarm sound figures.
// Usage: parec --raw --format=s16le --channels=1 ... | audiowatch
//   Prints "<wall-clock milliseconds> start" at the first non-silent sample after at least half a
//   second of silence, and "<wall-clock milliseconds> loud" at the first loud sample after that.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSilent = 8;    // below this, a sample counts as silence
constexpr int kLoud = 3000;   // about a tenth of full scale
constexpr long kQuietSamples = 24000; // half a second at 48 kHz

long long NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

int main()
{
    std::int16_t samples[480];
    long quiet = kQuietSamples;
    bool sounding = false;
    bool loud = false;
    std::size_t got;
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    while ((got = std::fread(samples, sizeof samples[0], 480, stdin)) > 0) {
        const long long now = NowMs();
        for (std::size_t i = 0; i < got; ++i) {
            const int level = std::abs(samples[i]);
            if (level < kSilent) {
                if (++quiet >= kQuietSamples)
                    sounding = loud = false;
                continue;
            }
            quiet = 0;
            if (!sounding && (sounding = true))
                std::printf("%lld start\n", now);
            if (!loud && level >= kLoud && (loud = true))
                std::printf("%lld loud\n", now);
        }
        std::fflush(stdout);
    }
    return 0;
}
