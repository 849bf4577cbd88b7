// Application start-up: fonts, message boxes and the clock window.
#include "app/ClockApp.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <QThread>

#include "app/SingleInstance.h"
#include "platform/AppPaths.h"

#include "platform/ProgramDir.h"
#include "platform/UserMessage.h"
#include "res/Resources.h"

namespace {

// The dialog and popup fonts of the program map onto installed CJK faces.
void SubstituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
    QFont::insertSubstitution(QStringLiteral("楷体_GB2312"), QStringLiteral("AR PL UKai CN"));
}

} // namespace

CClockApp::CClockApp(int &argc, char **argv)
    : m_app(argc, argv)
    , m_wndClock(platform::AppPaths::ForThisProgram())
{
}

bool CClockApp::InitInstance()
{
    InitResources();
    SubstituteFonts();
    // The application name is the executable's base name; it captions every message box.
    const QString appName = QFileInfo(platform::ExecutablePath()).completeBaseName();
    QApplication::setApplicationName(appName);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::SetUserMessageHandler([appName](const QString &text) {
        QMessageBox::warning(nullptr, appName, text);
    });

    m_wndClock.Create(QStringLiteral("Dovetock"));
    m_wndClock.show();
    m_wndClock.update();
    return true;
}


int CClockApp::Run(const QString &socketName, const QByteArray &command)
{
    InstanceServer server([this](const QByteArray &received) { return OnCommand(received); });
    // A clock that is ending (a restart after a skin change) holds the name for a moment.
    QElapsedTimer waited;
    waited.start();
    while (!server.Listen(socketName)) {
        const SendResult result = SendToRunningClock(socketName, command, 1000);
        if (result == SendResult::Answered)
            return 0;
        if (result == SendResult::NoClock || waited.elapsed() > 5000) {
            platform::LogProblem(QStringLiteral("cannot listen on %1; another start will open another clock")
                                     .arg(socketName));
            break;
        }
        QThread::msleep(100);
    }
    InitInstance();
    OnCommand(command);
    return QApplication::exec();
}

bool CClockApp::OnCommand(const QByteArray &command)
{
    return m_wndClock.OnCommand(command.toStdString());
}
