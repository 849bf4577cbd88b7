// Application start-up: fonts, message boxes and the clock window.
#include "app/ClockApp.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <string_view>
#include <vector>

#include "core/alert/SnoozeQueue.h"
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
    // A clock that is ending (Exit, or a restart that started the next clock) leaves every
    // command to the clock after it.
    if (m_wndClock.IsDestroyed())
        return false;
    if (command.startsWith("restore ")) {
        std::vector<alert::Snooze> snoozes;
        for (const QByteArray &text : command.split(' ').mid(1)) {
            if (auto snooze = alert::SnoozeFromText(std::string_view(text.constData(), text.size())))
                snoozes.push_back(std::move(*snooze));
        }
        m_wndClock.AdoptSnoozes(snoozes);
        m_wndClock.show();
        return true;
    }
    if (command == "show" || command == "settings") {
        m_wndClock.show();
        if (command == "settings")
            QTimer::singleShot(0, &m_wndClock, [this] { OpenSettings(); });
        return true;
    }
    if (command == "quit") {
        QTimer::singleShot(0, &m_wndClock, [this] { m_wndClock.DestroyWindow(); });
        return true;
    }
    return false;
}

void CClockApp::OpenSettings()
{
    m_wndClock.FinishCreate();
    for (QAction *action : m_wndClock.TrayMenu()->actions()) {
        if (action->data().toInt() == CClockWnd::IdConfigure)
            action->trigger();
    }
}
