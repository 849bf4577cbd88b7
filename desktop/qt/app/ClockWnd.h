// CClockWnd: the shaped, always-on-top clock face, its tray icon and menu. It draws and forwards
// its events to the clock (core/clock/Clock.h), which takes every decision.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ReminderPopup;

#include "alert/Alert.h"
#include "app/TrayIcon.h"
#include "core/clock/Clock.h"
#include "core/clock/DigitCopies.h"
#include "core/reminders/ReminderMap.h"
#include "core/time/LocalTime.h"
#include "platform/AppPaths.h"
#include "platform/AutoStart.h"
#include "platform/WindowDrag.h"
#include "settings/ClockAccess.h"

class CClockWnd : public QWidget, public CTrayIcon, public ClockAccess, private core::ClockView
{
    Q_OBJECT

public:
    static constexpr int ClockTimerId = 6000;
    static constexpr int DigitBoxWidth = core::kDigitBoxWidth;
    static constexpr int DigitBoxHeight = core::kDigitBoxHeight;
    // Menu command ids.
    static constexpr int IdHide = 32771;
    static constexpr int IdExit = 32772;
    static constexpr int IdAutoStart = 32777;
    static constexpr int IdConfigure = 32778;
    static constexpr int IdAlertSound = 32779;

    // `programDirectory` holds the skins and settings, `autostartFolder` the logon entry; the
    // program passes its own folder and the system's autostart folder.
    CClockWnd(const QString &programDirectory, const QString &autostartFolder);
    // The files live where `paths` says: the program directory, or the user's folders.
    explicit CClockWnd(const platform::AppPaths &paths);
    ~CClockWnd() override;

    // The creation sequence (see core::Clock::Create), then stacking and opacity.
    void Create(const QString &windowName);
    // The rest of the creation, done once, after the face's first paint (or earlier, when a
    // command needs the menu): cursor, icon, tray menu, then the clock's tray icon, ticks and
    // tooltip. What the face does not need goes here, so that the clock shows as soon as it can.
    void FinishCreate();
    // Ends the clock as Exit does.
    void DestroyWindow() { m_clock.Destroy(); }

    // One tick of the clock at `now`: work happens only when the second has changed.
    void OnTimer(platform::Moment now) { m_clock.Tick(now); }
    // A command of a later start (see core::Clock::Command).
    bool OnCommand(const std::string &command);

    int OnTrayLButtonDown() override;
    int OnTrayRButtonUp() override;
    // Shows the tray menu at the cursor; returns the menu so callers (and tests) can reach it.
    QMenu *ShowTrayMenu();

    void SaveSkin(const QString &background, const QString &number) override;
    void SaveLocation(int x, int y) { m_clock.SaveLocation({x, y}); }
    bool SaveReminders() override { return m_clock.SaveReminders(platform::CurrentMoment()); }

    // What the settings sheet uses.
    QPoint ClockPosition() const override { return QPoint(m_nX, m_nY); }
    const QStringList &BackgroundNames() const override { return m_arrBkNames; }
    const QStringList &DigitNames() const override { return m_arrNumNames; }
    QString CurrentBackground() const override { return m_strBkName; }
    QString CurrentDigits() const override { return m_strNumName; }
    void SetRestart() override { m_clock.AskRestart(); }
    ReminderMap &Reminders() override { return m_clock.Reminders(); }

    QMenu *TrayMenu() const { return m_menuTray; }
    bool AutoRunChecked() const { return m_clock.AutoRun(); }
    QPoint DigitBoxPosition() const { return m_ptDigits; }
    const std::array<int, 6> &Digits() const { return m_clock.Digits(); }
    const QString &BackgroundPath() const { return m_strBkPath; }
    const QString &DigitsPath() const { return m_strNumPath; }
    // Popups opened and not yet closed.
    int OpenPopupCount() const;
    // The clock has ended (Exit, a restart): it takes no more commands.
    bool IsDestroyed() const { return m_clock.IsDestroyed(); }

    int m_nX = 0;
    int m_nY = 0;
    QString m_strBkName;
    QString m_strNumName;
    QStringList m_arrBkNames;
    QStringList m_arrNumNames;

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // core::ClockView
    void MakeFace(const std::string &background, const std::string &digits) override;
    void MoveWindow(core::WindowPosition topLeft) override;
    void StartTick() override;
    void DrawDigits(const core::ClockDigits &digits, const std::array<bool, 6> &changed) override;
    void ShowWindow(bool visible) override { setVisible(visible); }
    void SetDayIcon(int day) override;
    void SetTrayTip(const std::string &text) override;
    void SetMenuTicks(bool autoStart, bool sound) override;
    void OpenNote(const std::string &message) override;
    void PlaySound() override { m_alert.Play(); }
    void StopSound() override { m_alert.Stop(); }
    void WatchSound(bool on) override { m_alert.Watch(on); }
    void OpenSheet() override;
    bool Restart(const std::vector<std::string> &arguments) override;
    void Close() override;
    void ShowMessage(const std::string &text) override;
    void Later(std::function<void()> work) override;

    void BuildShape();
    void OnEraseBkgnd(QPainter &painter, const QRegion &region);
    void OnPaint(QPainter &painter, const QRegion &region);
    // Picks the skin of one kind: the configured one when it is usable, else the other listed
    // ones from a random one on, else the built-in skin (the name is then emptied). Returns the
    // file path.
    QString ChooseSkin(QString &name, const QStringList &names, const QString &extension,
                       const QString &fallbackPath, const char *kind);
    void BuildMenu();

    std::vector<std::unique_ptr<ReminderPopup>> m_arrPopups;
    platform::AppPaths m_paths;
    platform::AutoStart m_autoStart;
    core::Clock m_clock;
    QString m_strWindowName;
    QString m_strBkPath;
    QString m_strNumPath;
    QImage m_bmpBackground;
    QImage m_bmpDigits;
    QMenu *m_menuTray = nullptr;
    QPoint m_ptDigits{0, 0};

    QBasicTimer m_timer;
    QTimer m_moveRest; // a move comes to rest when this runs out
    bool m_bPainted = false;
    bool m_bFinished = false; // FinishCreate has run
    bool m_bTrayAdded = false;
    platform::WindowDrag m_drag;
    alert::Alert m_alert{[this](std::int64_t steadyMs) { m_clock.SoundCheck(steadyMs); }};
};
