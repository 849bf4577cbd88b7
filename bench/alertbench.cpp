// alertbench: how long the interface thread spends starting and stopping the alarm sound. Prints
// microseconds.
#include <QCoreApplication>

#include <chrono>
#include <cstdio>

#include "alert/Alert.h"

namespace {

double Micros(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void Measure()
{
    using Clock = std::chrono::steady_clock;
    constexpr int kRounds = 1000;
    alert::Alert alert([](std::int64_t) {});
    const auto t0 = Clock::now();
    alert.Play(); // the first one also starts the sound's worker thread
    const auto t1 = Clock::now();
    alert.Stop();
    const auto t2 = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        alert.Play();
        alert.Stop();
    }
    const auto t3 = Clock::now();
    std::printf("  %-58s %.1f / %.1f / %.2f\n", "sound", Micros(t1 - t0), Micros(t2 - t1), Micros(t3 - t2) / kRounds);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("interface thread per sound (us): first play / its stop / later play and stop\n");
    Measure();
    return 0;
}
