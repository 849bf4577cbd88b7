// Application start-up: fonts, message boxes and the clock window.
#include "app/ClockApp.h"

#include <QFileInfo>
#include <QFont>
#include <QMessageBox>

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
    , m_wndClock(platform::GetProgramDirectory(), platform::AutoStart::SystemFolder())
{
}

bool CClockApp::InitInstance()
{
    InitResources();
    SubstituteFonts();
    // The application name is the executable's base name; it captions every message box.
    const QString appName = QFileInfo(platform::ExecutablePath()).completeBaseName();
    QApplication::setApplicationName(appName);
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    platform::SetUserMessageHandler([appName](const QString &text) {
        QMessageBox::warning(nullptr, appName, text);
    });

    m_wndClock.Create(QStringLiteral("Dovetock"));
    m_wndClock.show();
    m_wndClock.update();
    return true;
}

int CClockApp::Run()
{
    InitInstance();
    return QApplication::exec();
}
