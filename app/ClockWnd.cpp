// The clock window: creation sequence, face drawing, the once-a-second tick, tray menu and commands.
#include "app/ClockWnd.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>
#include <climits>

#include "core/alert/TrayTip.h"
#include "core/pictures/SkinCatalogue.h"
#include "gfx/QtPictures.h"
#include "platform/Gbk.h"
#include "platform/IniFile.h"
#include "platform/ProgramDir.h"
#include "platform/ScreenPlacement.h"
#include "core/clock/SecondTick.h"
#include "popup/ReminderPopup.h"
#include "platform/TaskbarHint.h"
#include "platform/UserMessage.h"
#include "core/reminders/ReminderCheck.h"
#include "core/reminders/ReminderStore.h"
#include "settings/MyPropertySheet.h"
#include "res/Resources.h"

namespace {

// One copy from the digit strip into the digit box: destination offset, width, source x.
struct DigitCopy {
    int dx;
    int width;
    int sourceX; // -1..-6: glyph of digit index (-sourceX - 1)
};

// The ten copies, in drawing order. Digit glyphs are 15 wide at 15 × d; colon at 150, edges at 160
// (left) and 150 (right).
constexpr std::array<DigitCopy, 10> kCopies{{
    {0, 2, 160},
    {70, 8, 150},
    {78, 15, -5},
    {93, 15, -6},
    {2, 15, -1},
    {17, 15, -2},
    {32, 8, 150},
    {40, 15, -3},
    {55, 15, -4},
    {108, 2, 150},
}};

} // namespace

CClockWnd::CClockWnd(const QString &programDirectory, const QString &autostartFolder)
    : CClockWnd(platform::AppPaths::Portable(programDirectory, autostartFolder))
{
}

CClockWnd::CClockWnd(const platform::AppPaths &paths)
    : m_paths(paths)
    , m_autoStart(paths.AutostartFolder())
    , m_position([this](QPoint pos) { SaveLocation(pos.x(), pos.y()); })
{
}

CClockWnd::~CClockWnd()
{
    m_mapReminders.DeleteAllReminders();
    // The icon may have the menu exported over D-Bus: it goes first.
    DeleteTrayIcon();
    delete m_menuTray;
}

void CClockWnd::Create(const QString &windowName)
{
    m_strIniPath = m_paths.ConfigFile(QStringLiteral("config.ini"));
    LoadReminders();
    LoadConfig();

    // Only skins that show are offered in the settings; a damaged one is named in the log when
    // it is configured.
    m_arrBkNames = m_paths.UsableSkins(QStringLiteral("BK"));
    m_arrNumNames = m_paths.UsableSkins(QStringLiteral("NUM"));

    m_strBkPath = ChooseSkin(m_strBkName, m_arrBkNames, QStringLiteral("BK"),
                             FallbackBackgroundPath(), "background");
    m_strNumPath = ChooseSkin(m_strNumName, m_arrNumNames, QStringLiteral("NUM"),
                              FallbackDigitsPath(), "digit");

    // The chosen background has passed the same header checks, so its size is usable.
    const core::CDib dib = gfx::OpenDib(m_strBkPath);

    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(windowName);
    setFixedSize(dib.Width(), qAbs(dib.Height()));
    PlaceWindow();

    BuildShape();
    // The first wake comes at once and shows the time; each wake arms the next one.
    m_timer.start(0, Qt::PreciseTimer, this);
    setWindowOpacity(200.0 / 255.0);
}

void CClockWnd::FinishCreate()
{
    if (m_bFinished || m_bDestroyed)
        return;
    m_bFinished = true;
    // Reading the cursor and icon pictures loads Qt's picture plugins; the tray icon asks D-Bus
    // for a StatusNotifierItem host: none of it is needed to show the time.
    setCursor(ArrowCursor());
    QGuiApplication::setWindowIcon(ProgramIcon());
    m_bAutoRun = m_autoStart.IsAutoRun();
    m_nIconDay = platform::ToLocal(platform::CurrentMoment()).day;
    BuildMenu();
    AddTrayIcon(this, DayIcon(m_nIconDay));
    ExportTrayMenu();
    UpdateTrayTip(platform::CurrentMoment());
}

QString CClockWnd::ChooseSkin(QString &name, const QStringList &names, const QString &extension,
                              const QString &fallbackPath, const char *kind)
{
    QStringList refused;
    const std::string ext = extension.toStdString();
    const auto usable = [&ext, &refused](const std::filesystem::path &file) {
        const bool ok = core::IsUsableSkin(file, ext);
        const QString path = gfx::QtPath(file);
        if (!ok && !refused.contains(path))
            refused.append(path);
        return ok;
    };
    std::vector<std::string> listed;
    for (const QString &skin : names)
        listed.push_back(skin.toStdString());
    const int start = names.isEmpty() ? 0 : core::RandomIndex(0, static_cast<int>(names.size()) - 1);
    const std::optional<core::SkinPick> pick = core::PickSkin(
        [this, &extension](const std::string &skin) { return platform::FsPath(m_paths.SkinFile(QString::fromStdString(skin), extension)); },
        listed, name.toStdString(), ext, start, usable);
    const QString pickPath = pick ? gfx::QtPath(pick->path) : QString();
    const QString instead = pick ? QStringLiteral("taking %1").arg(pickPath) : QStringLiteral("using the built-in skin");
    for (const QString &path : refused)
        platform::LogProblem(QStringLiteral("%1 %2 is not a usable picture; %3").arg(QLatin1String(kind), path, instead));
    if (!name.isEmpty() && m_paths.SkinFile(name, extension).isEmpty())
        platform::LogProblem(QStringLiteral("the %1 skin %2 is missing; %3").arg(QLatin1String(kind), name, instead));
    if (!pick && refused.isEmpty())
        platform::LogProblem(QStringLiteral("no %1 skin (*.%2) in %3; using the built-in skin")
                                 .arg(QLatin1String(kind), extension, m_paths.SkinDirectories().join(QStringLiteral(", "))));
    name = pick ? QString::fromStdString(pick->name) : QString();
    return pick ? pickPath : fallbackPath;
}

void CClockWnd::LoadReminders()
{
    ::LoadReminders(m_mapReminders, platform::FsPath(m_paths.ConfigFile(QStringLiteral("notify.dat"))),
                    platform::CurrentMoment());
}

bool CClockWnd::SaveReminders()
{
    // Every edit of the reminders page ends here: the tooltip follows it.
    UpdateTrayTip(platform::CurrentMoment());
    m_paths.MakeConfigDirectory();
    return ::SaveReminders(m_mapReminders, platform::FsPath(m_paths.ConfigFile(QStringLiteral("notify.dat"))));
}

void CClockWnd::CheckReminders(int hour, int minute, int second, platform::Moment now)
{
    int shown = ::CheckReminders(m_mapReminders, hour, minute, second, now,
                                 [this](const std::string &message) { ShowReminderPopup(message); });
    for (const std::string &message : m_alert.TakeDueSnoozes(now)) {
        ShowReminderPopup(message);
        ++shown;
    }
    // The text stays as it is until its next reminder or midnight, unless the clock went back.
    if (shown > 0 || now >= m_nTipChangesAt || now < m_nTipMadeAt)
        UpdateTrayTip(now);
}

void CClockWnd::UpdateTrayTip(platform::Moment now)
{
    SetTrayTip(QString::fromStdString(alert::TrayTipText(m_mapReminders, now, m_alert.Snoozes(), &m_nTipChangesAt)));
    m_nTipMadeAt = now;
}

void CClockWnd::ShowReminderPopup(const std::string &message)
{
    // Popups that closed themselves are deleted now rather than kept until exit.
    std::erase_if(m_arrPopups, [](const std::unique_ptr<ReminderPopup> &popup) { return popup->isHidden(); });
    auto popup = std::make_unique<ReminderPopup>();
    popup->SetMessage(platform::FromGbk(message));
    popup->Create(m_paths.DataFile(ReminderPopup::PictureFileName()));
    const ReminderPopup *id = popup.get();
    const auto quiet = [this, id] { m_alert.PopupQuieted(id); };
    connect(popup.get(), &ReminderPopup::clicked, this, quiet);
    connect(popup.get(), &ReminderPopup::finished, this, quiet);
    connect(popup.get(), &ReminderPopup::snoozed, this, [this, message](int minutes) {
        const platform::Moment now = platform::CurrentMoment();
        m_alert.Snooze(message, now + minutes * 60);
        UpdateTrayTip(now);
    });
    popup->show();
    popup->update();
    m_arrPopups.push_back(std::move(popup));
    m_alert.PopupOpened(id);
}

void CClockWnd::AdoptSnoozes(const std::vector<alert::Snooze> &snoozes)
{
    for (const alert::Snooze &snooze : snoozes)
        m_alert.Snooze(snooze.message, snooze.due);
    UpdateTrayTip(platform::CurrentMoment());
}

int CClockWnd::OpenPopupCount() const
{
    return static_cast<int>(std::count_if(m_arrPopups.begin(), m_arrPopups.end(),
                                          [](const auto &popup) { return popup->isVisible(); }));
}

void CClockWnd::LoadConfig()
{
    long x = 0;
    long y = 0;
    long autorun = 1;
    platform::ReadIniInt(m_strIniPath, QStringLiteral("location"), QStringLiteral("x"), 0, x);
    platform::ReadIniInt(m_strIniPath, QStringLiteral("location"), QStringLiteral("y"), 0, y);
    platform::ReadIniInt(m_strIniPath, QStringLiteral("autorun"), QStringLiteral("enable"), 1, autorun);
    platform::ReadIniString(m_strIniPath, QStringLiteral("skin"), QStringLiteral("background"), QString(), m_strBkName);
    platform::ReadIniString(m_strIniPath, QStringLiteral("skin"), QStringLiteral("number"), QString(), m_strNumName);
    m_nX = static_cast<int>(std::clamp<long>(x, INT_MIN, INT_MAX));
    m_nY = static_cast<int>(std::clamp<long>(y, INT_MIN, INT_MAX));
    if (autorun != 0)
        m_autoStart.RenewAutoRun();
    m_position.SetStored(QPoint(m_nX, m_nY));
    m_alert.SetSoundOn(alert::Alert::ReadSoundOn(m_strIniPath));
}

void CClockWnd::PlaceWindow()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect saved(m_nX, m_nY, width(), height());
    move(platform::VisibleTopLeft(saved, areas, primary ? primary->availableGeometry() : saved));
}

void CClockWnd::SaveSkin(const QString &background, const QString &number)
{
    m_paths.MakeConfigDirectory();
    platform::WriteIniString(m_strIniPath, QStringLiteral("skin"), QStringLiteral("background"), background);
    platform::WriteIniString(m_strIniPath, QStringLiteral("skin"), QStringLiteral("number"), number);
}

void CClockWnd::SaveLocation(int x, int y)
{
    m_paths.MakeConfigDirectory();
    platform::WriteIniInt(m_strIniPath, QStringLiteral("location"), QStringLiteral("x"), x);
    platform::WriteIniInt(m_strIniPath, QStringLiteral("location"), QStringLiteral("y"), y);
}

void CClockWnd::OnAutoStart()
{
    m_bAutoRun = !m_bAutoRun;
    m_paths.MakeConfigDirectory();
    platform::WriteIniInt(m_strIniPath, QStringLiteral("autorun"), QStringLiteral("enable"), m_bAutoRun ? 1 : 0);
    if (!m_autoStart.SetAutoRun(m_bAutoRun)) {
        platform::ShowUserMessage(m_bAutoRun
            ? QStringLiteral("无法写入 %1，时钟不会在登录时自动启动").arg(m_autoStart.EntryPath())
            : QStringLiteral("无法删除 %1，时钟仍会在登录时自动启动").arg(m_autoStart.EntryPath()));
    }
    m_bAutoRun = m_autoStart.IsAutoRun();
}

void CClockWnd::OnAlertSound()
{
    m_alert.SetSoundOn(!m_alert.SoundOn());
    alert::Alert::WriteSoundOn(m_strIniPath, m_alert.SoundOn());
}

void CClockWnd::OnConfigure()
{
    // One sheet at a time: the tray menu stays reachable while the sheet is open.
    if (m_bConfiguring)
        return;
    m_bConfiguring = true;
    {
        // Owned by the clock window, the sheet disables only it: popups and tray stay live.
        CMyPropertySheet sheet(this);
        sheet.m_pClockWnd = this;
        sheet.DoModal();
    }
    m_bConfiguring = false;
    // Exit chosen while the sheet was open has already ended the clock: no restart then.
    if (m_bRestart && !m_bDestroyed)
        Restart();
}

void CClockWnd::Restart()
{
    // Without a new instance the old one keeps running, so the clock never simply disappears.
    const QString executable = platform::ExecutablePath();
    QStringList arguments;
    for (const alert::Snooze &snooze : m_alert.Snoozes().Items())
        arguments.append(QStringLiteral("--snooze=") + QString::fromStdString(alert::SnoozeToText(snooze)));
    if (!QProcess::startDetached(executable, arguments, m_paths.ProgramDirectory())) {
        platform::ShowUserMessage(QStringLiteral("cannot start %1 again; the new skins show at the next start")
                                      .arg(executable));
        m_bRestart = false;
        return;
    }
    DestroyWindow();
}

void CClockWnd::BuildMenu()
{
    m_menuTray = new QMenu;
    const auto add = [this](int id, const QString &text, void (CClockWnd::*handler)()) {
        QAction *action = m_menuTray->addAction(text);
        action->setData(id);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add(IdHide, QStringLiteral("隐藏"), &CClockWnd::OnHide);
    add(IdExit, QStringLiteral("退出"), &CClockWnd::OnExit);
    m_menuTray->addSeparator();
    QAction *autoStart = m_menuTray->addAction(QStringLiteral("自动启动"));
    autoStart->setData(IdAutoStart);
    autoStart->setCheckable(true);
    connect(autoStart, &QAction::triggered, this, &CClockWnd::OnAutoStart);
    QAction *sound = m_menuTray->addAction(QStringLiteral("提醒声音"));
    sound->setData(IdAlertSound);
    sound->setCheckable(true);
    connect(sound, &QAction::triggered, this, &CClockWnd::OnAlertSound);
    m_menuTray->addSeparator();
    QAction *configure = m_menuTray->addAction(QStringLiteral("配置"));
    configure->setData(IdConfigure);
    connect(configure, &QAction::triggered, this, &CClockWnd::OnConfigure);
    // Whoever shows the menu, this window or a desktop's tray through D-Bus, shows fresh ticks.
    connect(m_menuTray, &QMenu::aboutToShow, this, &CClockWnd::UpdateMenuChecks);
}

void CClockWnd::BuildShape()
{
    QRegion region(0, 0, width(), height());
    if (LoadBitmapFile(m_strBkPath, m_bmpBackground)) {
        region = OutlineRegion(m_bmpBackground);
        if (const auto box = FindDigitBox(m_bmpBackground))
            m_ptDigits = *box;
    }
    if (!LoadBitmapFile(m_strNumPath, m_bmpDigits)) {
        platform::LogProblem(QStringLiteral("digit strip %1 cannot be read; using the built-in strip")
                                 .arg(m_strNumPath));
        m_strNumName.clear();
        m_strNumPath = FallbackDigitsPath();
        LoadBitmapFile(m_strNumPath, m_bmpDigits);
    }
    // An empty mask would mean "no mask" to Qt; a picture of one colour shows nothing.
    setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
}

void CClockWnd::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    // Second-aligned rather than polled: see platform/SecondTick.h.
    const std::int64_t woke = platform::WallClockMs();
    OnTimer(platform::SecondOf(woke));
    if (!m_bDestroyed)
        m_timer.start(platform::TickDelayMs(woke, platform::WallClockMs()), Qt::PreciseTimer, this);
}

void CClockWnd::OnTimer(platform::Moment now)
{
    const platform::LocalFields local = platform::ToLocal(now);
    if (!platform::IsNewSecond(m_nLastSecond, local.second))
        return;
    const std::array<int, 6> shown = m_nDigits;
    m_nDigits = {local.hour / 10, local.hour % 10, local.minute / 10,
                 local.minute % 10, local.second / 10, local.second % 10};

    CheckReminders(local.hour, local.minute, local.second, now);

    // Only the glyphs that changed are drawn again: usually the last digit alone.
    QRegion changed;
    for (const DigitCopy &copy : kCopies) {
        const auto digit = static_cast<std::size_t>(-copy.sourceX - 1);
        if (copy.sourceX < 0 && shown[digit] != m_nDigits[digit])
            changed += QRect(m_ptDigits.x() + copy.dx, m_ptDigits.y(), copy.width, DigitBoxHeight);
    }
    repaint(changed);

    if (local.day != m_nIconDay) {
        m_nIconDay = local.day;
        ModifyTrayIcon(DayIcon(m_nIconDay));
    }
}

void CClockWnd::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        const QRect digitBox(m_ptDigits, QSize(DigitBoxWidth, DigitBoxHeight));
        if (!digitBox.contains(event->rect()))
            OnEraseBkgnd(painter, event->region());
        OnPaint(painter, event->region());
    }
    if (!m_bPainted) {
        m_bPainted = true;
        // After this paint has reached the screen.
        QMetaObject::invokeMethod(this, &CClockWnd::FinishCreate, Qt::QueuedConnection);
    }
}

void CClockWnd::OnEraseBkgnd(QPainter &painter, const QRegion &region)
{
    // The background as read at creation: a paint reads no file.
    for (const QRect &rect : region)
        painter.drawImage(rect.topLeft(), m_bmpBackground, rect);
}

void CClockWnd::OnPaint(QPainter &painter, const QRegion &region)
{
    if (m_bmpDigits.isNull())
        return;
    // Only the glyphs in the region asked for: a tick's repaint is usually one digit.
    for (const DigitCopy &copy : kCopies) {
        const QRect target(m_ptDigits.x() + copy.dx, m_ptDigits.y(), copy.width, DigitBoxHeight);
        if (!region.intersects(target))
            continue;
        const int sourceX = copy.sourceX >= 0 ? copy.sourceX : 15 * m_nDigits[static_cast<std::size_t>(-copy.sourceX - 1)];
        painter.drawImage(target.topLeft(), m_bmpDigits, QRect(sourceX, 0, copy.width, DigitBoxHeight));
    }
}

int CClockWnd::OnTrayLButtonDown()
{
    show();
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

void CClockWnd::UpdateMenuChecks()
{
    m_bAutoRun = m_autoStart.IsAutoRun();
    for (QAction *action : m_menuTray->actions()) {
        if (action->data().toInt() == IdAutoStart)
            action->setChecked(m_bAutoRun);
        else if (action->data().toInt() == IdAlertSound)
            action->setChecked(m_alert.SoundOn());
    }
}

void CClockWnd::ExportTrayMenu()
{
    // A host may draw the menu without asking first (AboutToShow): the ticks are right from the start.
    UpdateMenuChecks();
    ExportMenu(m_menuTray);
}

void CClockWnd::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    OnTrayRButtonUp();
}

void CClockWnd::OnHide()
{
    hide();
}

void CClockWnd::OnExit()
{
    DestroyWindow();
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

void CClockWnd::DestroyWindow()
{
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    OnDestroy();
    hide();
    QCoreApplication::quit();
}

void CClockWnd::OnDestroy()
{
    // A drag that has not come to rest yet is written before the settings file is let go.
    m_position.UserMoveEnded();
    m_arrPopups.clear();
    m_alert.Clear();
    DeleteTrayIcon();
    m_timer.stop();
    m_arrBkNames.clear();
    m_arrNumNames.clear();
    m_strBkName.clear();
    m_strNumName.clear();
    m_strBkPath.clear();
    m_strNumPath.clear();
    m_strIniPath.clear();
}

void CClockWnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_position.UserMoveStarted();
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
    if (event->button() == Qt::LeftButton)
        m_position.UserMoveEnded();
    QWidget::mouseReleaseEvent(event);
}

void CClockWnd::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    OnMove(event->pos().x(), event->pos().y());
}

void CClockWnd::OnMove(int x, int y)
{
    // The members follow the window; the settings get the position when a drag comes to rest.
    m_nX = x;
    m_nY = y;
    m_position.Moved(QPoint(x, y));
}
