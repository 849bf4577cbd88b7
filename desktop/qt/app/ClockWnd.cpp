// The clock window: its creation, tray icon, menu, notes and events, forwarded to the clock.
#include "app/ClockWnd.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QProcess>
#include <QTimerEvent>

#include <algorithm>

#include "platform/Gbk.h"
#include "platform/IniFile.h"
#include "platform/ProgramDir.h"
#include "core/clock/SecondTick.h"
#include "popup/ReminderPopup.h"
#include "platform/TaskbarHint.h"
#include "platform/UserMessage.h"
#include "settings/MyPropertySheet.h"
#include "res/Resources.h"

CClockWnd::CClockWnd(const QString &programDirectory, const QString &autostartFolder)
    : CClockWnd(platform::AppPaths::Portable(programDirectory, autostartFolder))
{
}

CClockWnd::CClockWnd(const platform::AppPaths &paths)
    : m_paths(paths)
    , m_autoStart(paths.AutostartFolder())
    , m_clock(*this, m_autoStart,
              {platform::FsPath(paths.ConfigFile(QStringLiteral("config.ini"))),
               platform::FsPath(paths.ConfigFile(QStringLiteral("notify.dat")))})
{
    m_moveRest.setSingleShot(true);
    m_moveRest.setInterval(400);
    connect(&m_moveRest, &QTimer::timeout, this, [this] { m_clock.MoveRested(); });
}

CClockWnd::~CClockWnd()
{
    m_clock.Reminders().DeleteAllReminders();
    // The icon may have the menu exported over D-Bus: it goes first.
    DeleteTrayIcon();
    delete m_menuTray;
}

void CClockWnd::Create(const QString &windowName)
{
    m_strWindowName = windowName;
    m_clock.Create(platform::CurrentMoment());
    setWindowOpacity(200.0 / 255.0);
}

void CClockWnd::StartTick()
{
    // The first wake comes at once; each wake arms the next one.
    m_timer.start(0, Qt::PreciseTimer, this);
}

void CClockWnd::FinishCreate()
{
    if (m_bFinished || IsDestroyed())
        return;
    m_bFinished = true;
    // Reading the cursor and icon pictures loads Qt's picture plugins; the tray icon asks D-Bus
    // for a StatusNotifierItem host: none of it is needed to show the time.
    setCursor(ArrowCursor());
    QGuiApplication::setWindowIcon(ProgramIcon());
    BuildMenu();
    m_clock.FinishCreate(platform::CurrentMoment());
    ExportMenu(m_menuTray);
}

void CClockWnd::SetDayIcon(int day)
{
    if (m_bTrayAdded) {
        ModifyTrayIcon(DayIcon(day));
        return;
    }
    m_bTrayAdded = true;
    AddTrayIcon(this, DayIcon(day));
}

void CClockWnd::SetTrayTip(const std::string &text)
{
    CTrayIcon::SetTrayTip(QString::fromStdString(text));
}

void CClockWnd::OpenNote(const std::string &message)
{
    // Popups that closed themselves are deleted now rather than kept until exit.
    std::erase_if(m_arrPopups, [](const std::unique_ptr<ReminderPopup> &popup) { return popup->isHidden(); });
    auto popup = std::make_unique<ReminderPopup>();
    popup->SetMessage(platform::FromGbk(message));
    popup->Create(m_paths.DataFile(ReminderPopup::PictureFileName()));
    const ReminderPopup *id = popup.get();
    const auto quiet = [this, id] { m_clock.NoteQuieted(id); };
    connect(popup.get(), &ReminderPopup::clicked, this, quiet);
    connect(popup.get(), &ReminderPopup::finished, this, quiet);
    connect(popup.get(), &ReminderPopup::snoozed, this, [this, id, message](int minutes) {
        m_clock.Snooze(id, message, minutes, platform::CurrentMoment());
    });
    popup->show();
    popup->update();
    m_arrPopups.push_back(std::move(popup));
    m_clock.NoteOpened(id, m_alert.SteadyMs());
}

bool CClockWnd::OnCommand(const std::string &command)
{
    return m_clock.Command(command, platform::CurrentMoment());
}

int CClockWnd::OpenPopupCount() const
{
    return static_cast<int>(std::count_if(m_arrPopups.begin(), m_arrPopups.end(),
                                          [](const auto &popup) { return popup->isVisible(); }));
}

void CClockWnd::SaveSkin(const QString &background, const QString &number)
{
    m_clock.SaveSkin(background.toStdString(), number.toStdString());
}

void CClockWnd::ShowMessage(const std::string &text)
{
    platform::ShowUserMessage(QString::fromStdString(text));
}

void CClockWnd::Later(std::function<void()> work)
{
    QTimer::singleShot(0, this, std::move(work));
}

void CClockWnd::OpenSheet()
{
    FinishCreate();
    // Owned by the clock window, the sheet disables only it: popups and tray stay live.
    CMyPropertySheet sheet(this);
    sheet.m_pClockWnd = this;
    sheet.DoModal();
}

bool CClockWnd::Restart(const std::vector<std::string> &arguments)
{
    const QString executable = platform::ExecutablePath();
    QStringList list;
    for (const std::string &argument : arguments)
        list.append(QString::fromStdString(argument));
    if (QProcess::startDetached(executable, list, m_paths.ProgramDirectory()))
        return true;
    platform::ShowUserMessage(QStringLiteral("cannot start %1 again; the new skins show at the next start")
                                  .arg(executable));
    return false;
}

void CClockWnd::BuildMenu()
{
    m_menuTray = new QMenu;
    const auto add = [this](int id, const QString &text, bool checkable, void (core::Clock::*command)()) {
        QAction *action = m_menuTray->addAction(text);
        action->setData(id);
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, this, [this, command] { (m_clock.*command)(); });
    };
    add(IdHide, QStringLiteral("隐藏"), false, &core::Clock::Hide);
    add(IdExit, QStringLiteral("退出"), false, &core::Clock::Exit);
    m_menuTray->addSeparator();
    add(IdAutoStart, QStringLiteral("自动启动"), true, &core::Clock::ToggleAutoStart);
    add(IdAlertSound, QStringLiteral("提醒声音"), true, &core::Clock::ToggleSound);
    m_menuTray->addSeparator();
    add(IdConfigure, QStringLiteral("配置"), false, &core::Clock::Configure);
    // Whoever shows the menu, this window or a desktop's tray through D-Bus, shows fresh ticks.
    connect(m_menuTray, &QMenu::aboutToShow, this, [this] { m_clock.MenuShowing(); });
}

void CClockWnd::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    // Second-aligned rather than polled: see core/clock/SecondTick.h.
    const std::int64_t woke = platform::WallClockMs();
    OnTimer(platform::SecondOf(woke));
    if (!IsDestroyed())
        m_timer.start(platform::TickDelayMs(woke, platform::WallClockMs()), Qt::PreciseTimer, this);
}

int CClockWnd::OnTrayLButtonDown()
{
    m_clock.TrayClicked();
    return 1;
}

int CClockWnd::OnTrayRButtonUp()
{
    ShowTrayMenu();
    return 1;
}

QMenu *CClockWnd::ShowTrayMenu()
{
    FinishCreate();
    const QPoint cursor = QCursor::pos();
    // The menu's right edge sits at the cursor; its ticks are set as it shows (aboutToShow).
    m_menuTray->popup(QPoint(cursor.x() - m_menuTray->sizeHint().width(), cursor.y()));
    return m_menuTray;
}

void CClockWnd::SetMenuTicks(bool autoStart, bool sound)
{
    for (QAction *action : m_menuTray->actions()) {
        if (action->data().toInt() == IdAutoStart)
            action->setChecked(autoStart);
        else if (action->data().toInt() == IdAlertSound)
            action->setChecked(sound);
    }
}

void CClockWnd::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    OnTrayRButtonUp();
}

void CClockWnd::closeEvent(QCloseEvent *event)
{
    // Alt+F4 ends the program exactly as Exit does.
    event->accept();
    DestroyWindow();
}

void CClockWnd::showEvent(QShowEvent *event)
{
    platform::KeepOffTaskbar(this);
    QWidget::showEvent(event);
}

void CClockWnd::Close()
{
    m_moveRest.stop();
    m_arrPopups.clear();
    DeleteTrayIcon();
    m_timer.stop();
    m_arrBkNames.clear();
    m_arrNumNames.clear();
    m_strBkName.clear();
    m_strNumName.clear();
    m_strBkPath.clear();
    m_strNumPath.clear();
    hide();
    QCoreApplication::quit();
}

void CClockWnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_clock.PressedOnFace();
    m_drag.Begin(this, event->globalPosition().toPoint());
}

void CClockWnd::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.Move(this, event))
        QWidget::mouseMoveEvent(event);
}

void CClockWnd::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.End(event);
    if (event->button() == Qt::LeftButton) {
        m_moveRest.stop();
        m_clock.MoveRested();
    }
    QWidget::mouseReleaseEvent(event);
}

void CClockWnd::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The members follow the window; the settings get the position when a drag comes to rest.
    m_nX = event->pos().x();
    m_nY = event->pos().y();
    if (m_clock.Moved({m_nX, m_nY}))
        m_moveRest.start();
}
