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

#include "app/TrayIcon.h"
#include "platform/LocalTime.h"

class CClockWnd : public QWidget, public CTrayIcon
{
    Q_OBJECT

public:
    static constexpr int ClockTimerId = 6000;
    static constexpr int ClockTimerMs = 100;
    static constexpr int DigitBoxWidth = 110;
    static constexpr int DigitBoxHeight = 25;
    // Menu command ids.
    static constexpr int IdHide = 32771;
    static constexpr int IdExit = 32772;
    static constexpr int IdAutoStart = 32777;
    static constexpr int IdConfigure = 32778;

    // `programDirectory` holds the skins and settings; the program passes its own folder.
    explicit CClockWnd(const QString &programDirectory);
    ~CClockWnd() override;

    // The creation sequence: settings, skins, window size and outline, timer, stacking, opacity.
    void Create(const QString &windowName);
    // Ends the clock: tray icon removed, timer stopped, window closed, event loop left.
    void DestroyWindow();

    // One tick of the clock at `now`: work happens only when the second has changed.
    void OnTimer(platform::Moment now);

    int OnTrayLButtonDown() override;
    int OnTrayRButtonUp() override;
    // Shows the tray menu at the cursor; returns the menu so callers (and tests) can reach it.
    QMenu *ShowTrayMenu();

    QMenu *TrayMenu() const { return m_menuTray; }
    QPoint DigitBoxPosition() const { return m_ptDigits; }
    const std::array<int, 6> &Digits() const { return m_nDigits; }
    const QString &BackgroundPath() const { return m_strBkPath; }
    const QString &DigitsPath() const { return m_strNumPath; }

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

private:
    void OnCreate();
    void OnDestroy();
    void BuildShape();
    void OnEraseBkgnd(QPainter &painter);
    void OnPaint(QPainter &painter);
    void OnHide();
    void OnExit();
    void OnMove(int x, int y);
    // Picks the skin of one kind: the configured one when its file opens, else a random one,
    // else the built-in skin. Returns the file path.
    QString ChooseSkin(QString &name, const QStringList &names, const QString &extension,
                       const QString &fallbackPath, const char *kind);
    void BuildMenu();

    QString m_strProgramDir;
    QString m_strBkPath;
    QString m_strNumPath;
    QString m_strIniPath;
    bool m_bAutoRun = false;
    QImage m_bmpDigits;
    QMenu *m_menuTray = nullptr;
    QPoint m_ptDigits{0, 0};
    int m_nLastSecond = 0;
    std::array<int, 6> m_nDigits{};
    int m_nIconDay = -1;
    QBasicTimer m_timer;
    bool m_bDestroyed = false;
    // Manual drag when the window manager cannot move the window itself.
    bool m_bDragging = false;
    QPoint m_ptDragOffset;
};
