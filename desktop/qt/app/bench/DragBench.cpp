// Prints the time the clock spends on one motion event while it is dragged, and what one
// position write to config.ini costs, on the offscreen platform in a temporary program folder.
#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "app/ClockWnd.h"
#include "res/Resources.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counts the moves a window is told of.
class MoveCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            ++count;
        return false;
    }
};

void Send(CClockWnd &wnd, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, wnd.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&wnd, &event);
    QCoreApplication::processEvents();
}

double MicrosecondsPer(Clock::time_point start, int count)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / count;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitResources();
    QTemporaryDir dir;
    QTemporaryDir autostart;
    if (!dir.isValid() || !autostart.isValid())
        return 1;
    QFile ini(dir.filePath(QStringLiteral("config.ini")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[autorun]\nenable=0\n") <= 0)
        return 1;
    ini.close();

    CClockWnd wnd(dir.path(), autostart.path());
    wnd.Create(QStringLiteral("Dovetock"));
    wnd.show();
    QCoreApplication::processEvents();

    MoveCounter moves;
    wnd.installEventFilter(&moves);
    constexpr int kMotions = 2000;
    const QPoint grip(20, 20);
    Send(wnd, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    const auto start = Clock::now();
    for (int i = 0; i < kMotions; ++i) {
        // Back and forth by one pixel, so every motion moves the window.
        Send(wnd, QEvent::MouseMove, grip + QPoint(i % 2 ? -1 : 1, 0), Qt::NoButton, Qt::LeftButton);
    }
    const double perMotion = MicrosecondsPer(start, kMotions);
    Send(wnd, QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);

    constexpr int kWrites = 200;
    const auto writes = Clock::now();
    for (int i = 0; i < kWrites; ++i)
        wnd.SaveLocation(i, i);
    const double perWrite = MicrosecondsPer(writes, kWrites);

    std::printf("drag: %.1f us per motion event (%d events, %d window moves)\n", perMotion, kMotions, moves.count);
    std::printf("one position write to config.ini (x and y, synced): %.1f us\n", perWrite);
    return 0;
}
