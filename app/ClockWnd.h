// CClockWnd: the shaped, always-on-top clock face, its tray icon and menu commands.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class ReminderPopup;

#include "alert/Alert.h"
#include "app/TrayIcon.h"
#include "platform/AppPaths.h"
#include "platform/AutoStart.h"
#include "core/time/LocalTime.h"
#include "platform/PositionRecorder.h"
#include "platform/WindowDrag.h"
#include "core/reminders/ReminderMap.h"
#include "settings/ClockAccess.h"

#include <string>

class CClockWnd : public QWidget, public CTrayIcon, public ClockAccess
{
    Q_OBJECT

public:
    static constexpr int ClockTimerId = 6000;
    static constexpr int DigitBoxWidth = 110;
    static constexpr int DigitBoxHeight = 25;
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

    // The creation sequence of what the face needs: settings, skins, window size and outline,
    // timer, stacking, opacity.
    void Create(const QString &windowName);
    // The rest of the creation, done once, after the face's first paint (or earlier, when a
    // command needs the menu): cursor, autostart state, tray menu, tray icon and tooltip. What the
    // face does not need goes here, so that the clock shows as soon as it can.
    void FinishCreate();
    // Ends the clock: tray icon removed, timer stopped, window closed, event loop left.
    void DestroyWindow();

    // One tick of the clock at `now`: work happens only when the second has changed.
    void OnTimer(platform::Moment now);

    int OnTrayLButtonDown() override;
    int OnTrayRButtonUp() override;
    // Shows the tray menu at the cursor; returns the menu so callers (and tests) can reach it.
    QMenu *ShowTrayMenu();
    // Offers the tray menu as the icon's D-Bus menu where a StatusNotifierItem host draws the
    // icon; nothing on an X11 (XEmbed) tray. Not needed for the first paint: made after it.
    void ExportTrayMenu();

    // Settings file: read once at creation, written key by key when a setting changes.
    void LoadConfig();
    void SaveSkin(const QString &background, const QString &number) override;
    void SaveLocation(int x, int y);

    // The reminder file: loaded once at creation, saved by the reminders page after each edit.
    void LoadReminders();
    bool SaveReminders() override;
    // Runs the arm-and-fire check of every reminder for the given local time of day.
    void CheckReminders(int hour, int minute, int second, platform::Moment now);
    // Opens a popup with a fired reminder's message (GBK bytes).
    void ShowReminderPopup(const std::string &message);
    // Takes over snoozes that the clock before a restart had pending.
    void AdoptSnoozes(const std::vector<alert::Snooze> &snoozes);
    const alert::SnoozeQueue &Snoozes() const { return m_alert.Snoozes(); }

    // What the settings sheet uses.
    QPoint ClockPosition() const override { return QPoint(m_nX, m_nY); }
    const QStringList &BackgroundNames() const override { return m_arrBkNames; }
    const QStringList &DigitNames() const override { return m_arrNumNames; }
    QString CurrentBackground() const override { return m_strBkName; }
    QString CurrentDigits() const override { return m_strNumName; }
    void SetRestart() override { m_bRestart = true; }
    ReminderMap &Reminders() override { return m_mapReminders; }

    QMenu *TrayMenu() const { return m_menuTray; }
    bool AutoRunChecked() const { return m_bAutoRun; }
    QPoint DigitBoxPosition() const { return m_ptDigits; }
    const std::array<int, 6> &Digits() const { return m_nDigits; }
    const QString &BackgroundPath() const { return m_strBkPath; }
    const QString &DigitsPath() const { return m_strNumPath; }
    // Popups opened and not yet closed.
    int OpenPopupCount() const;
    // The clock has ended (Exit, a restart): it takes no more commands.
    bool IsDestroyed() const { return m_bDestroyed; }

    int m_nX = 0;
    int m_nY = 0;
    bool m_bRestart = false;
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
    void OnDestroy();
    void BuildShape();
    void OnEraseBkgnd(QPainter &painter, const QRegion &region);
    void OnPaint(QPainter &painter, const QRegion &region);
    void OnHide();
    void OnExit();
    void OnMove(int x, int y);
    // Shows the window at the stored position, or on the primary screen when that is off every screen.
    void PlaceWindow();
    void OnAutoStart();
    void OnAlertSound();
    // The tray tooltip as of `now`: the date and the next reminder.
    void UpdateTrayTip(platform::Moment now);
    void OnConfigure();
    // Starts the program again and ends this instance; the new one reads the saved skins and is
    // handed the pending snoozes on its command line.
    void Restart();
    // Picks the skin of one kind: the configured one when it is usable, else the other listed
    // ones from a random one on, else the built-in skin (the name is then emptied). Returns the
    // file path.
    QString ChooseSkin(QString &name, const QStringList &names, const QString &extension,
                       const QString &fallbackPath, const char *kind);
    void BuildMenu();
    // Sets the ticks of "自动启动" and "提醒声音" from the entry on disk and the sound setting.
    void UpdateMenuChecks();

    ReminderMap m_mapReminders;
    std::vector<std::unique_ptr<ReminderPopup>> m_arrPopups;
    platform::AppPaths m_paths;
    QString m_strBkPath;
    QString m_strNumPath;
    QString m_strIniPath;
    platform::AutoStart m_autoStart;
    bool m_bAutoRun = false;
    QImage m_bmpBackground;
    QImage m_bmpDigits;
    QMenu *m_menuTray = nullptr;
    QPoint m_ptDigits{0, 0};
    int m_nLastSecond = 0;
    std::array<int, 6> m_nDigits{};
    int m_nIconDay = -1;
    platform::Moment m_nTipMadeAt = 0;    // the moment the tooltip was worked out for
    platform::Moment m_nTipChangesAt = 0; // when it next reads differently

    QBasicTimer m_timer;
    bool m_bDestroyed = false;
    bool m_bPainted = false;
    bool m_bFinished = false; // FinishCreate has run
    bool m_bConfiguring = false;
    platform::WindowDrag m_drag;
    platform::PositionRecorder m_position;
    alert::Alert m_alert;
};
