// alertbench: how long the interface thread spends on the alarm sound when a popup opens and when
// it is clicked, with the sound on and off. Prints microseconds.
#include <QCoreApplication>

#include <chrono>
#include <cstdio>

#include "alert/Alert.h"

namespace {

double Micros(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void Measure(bool soundOn)
{
    using Clock = std::chrono::steady_clock;
    constexpr int kRounds = 1000;
    alert::Alert alert;
    alert.SetSoundOn(soundOn);
    int popup = 0;
    const auto t0 = Clock::now();
    alert.PopupOpened(&popup); // the first one also starts the sound's worker thread
    const auto t1 = Clock::now();
    alert.PopupQuieted(&popup);
    const auto t2 = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        alert.PopupOpened(&popup);
        alert.PopupQuieted(&popup);
    }
    const auto t3 = Clock::now();
    std::printf("  %-58s %.1f / %.1f / %.2f\n", soundOn ? "sound on" : "sound off", Micros(t1 - t0), Micros(t2 - t1),
                Micros(t3 - t2) / kRounds);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("interface thread per popup (us): first open / its click / later open and click\n");
    Measure(false);
    Measure(true);
    return 0;
}
