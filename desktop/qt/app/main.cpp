// Entry point of the Dovetock desktop clock: the command line, handing it to a clock that
// already runs, and the window-system choice.
#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QtGlobal>

#include "core/alert/SnoozeQueue.h"
#include "app/ClockApp.h"
#include "app/SingleInstance.h"

namespace {

// A Wayland client can neither place itself nor stay on top: use X11 (XWayland) unless the user
// chose a platform. Without any X display the clock still runs, as a Wayland client; returns
// true then.
bool ChoosePlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    return false;
}

// Reads the command line; settles --help, --version and --quit, and hands "show" or "settings"
// to a running clock. Returns the exit code when nothing is left to do, else -1 with the command
// this process carries out itself.
int HandOver(QByteArray &command, QString &socketName)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Desktop alarm clock with skins and reminders."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption show(QStringLiteral("show"), QStringLiteral("Show the running clock (the default)."));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Open the settings of the running clock, or start one."));
    const QCommandLineOption quit(QStringLiteral("quit"), QStringLiteral("End the running clock."));
    // A snoozed reminder that the clock carries over its own restart ("DUE:HEX").
    QCommandLineOption snooze(QStringLiteral("snooze"), QString(), QStringLiteral("snooze"));
    snooze.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({show, settings, quit, snooze});
    parser.process(*QCoreApplication::instance());
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "dovetock: unexpected argument %s\n%s", qPrintable(parser.positionalArguments().first()),
                     qPrintable(parser.helpText()));
        return 2;
    }

    socketName = InstanceSocketName();
    if (parser.isSet(quit)) {
        if (SendToRunningClock(socketName, "quit", 3000) == SendResult::Answered)
            return 0;
        std::fputs("dovetock: no clock is running\n", stderr);
        return 1;
    }
    command = parser.isSet(settings) ? "settings" : "show";
    // Snoozes go with the command, so that whichever clock takes it keeps them. A clock that is
    // ending takes no command: a restarted clock waits for it to go and then runs them itself.
    QByteArray snoozes;
    for (const QString &text : parser.values(snooze)) {
        if (alert::SnoozeFromText(text.toStdString()))
            snoozes += ' ' + text.toLatin1();
        else
            std::fprintf(stderr, "dovetock: ignoring the snooze %s\n", qPrintable(text));
    }
    if (!snoozes.isEmpty())
        command = "restore" + snoozes;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const SendResult result = SendToRunningClock(socketName, command, 1000);
        if (result == SendResult::Answered)
            return 0;
        // A clock that does not answer is ending; wait for it a little.
        if (result == SendResult::NoClock || waited.elapsed() > 5000)
            return -1;
        QThread::msleep(100);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const bool waylandOnly = ChoosePlatform();
    QByteArray command;
    QString socketName;
    {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
        QCoreApplication::setApplicationVersion(QStringLiteral(DOVETOCK_VERSION));
        const int code = HandOver(command, socketName);
        if (code >= 0)
            return code;
    }
    if (waylandOnly)
        std::fputs("dovetock: no X display; running as a Wayland client, where the clock cannot choose its "
                   "place or stay above other windows and may show as a plain rectangle\n",
                   stderr);
    // The face changes by a few hundred bytes a second. Through shared memory Qt would wait for the
    // X server to finish with the previous picture before each paint, a round trip that wakes the
    // program twice a second; sending the pixels over the connection needs none.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    CClockApp app(argc, argv);
    return app.Run(socketName, command);
}
