// ReminderPopup: the shaped, jiggling, always-on-top window that shows a fired reminder's message.
#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/WindowDrag.h"
#include "core/note/PopupLogic.h"

class QPainter;

class ReminderPopup : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PopupTimerId = 6001;
    static constexpr int PopupTimerMs = 100;
    // The picture file in the program directory.
    static QString PictureFileName() { return QStringLiteral("通知.MSG"); }
    // Where the message goes in the picture: (6, 67) to (116, 124), right and bottom excluded.
    static QRect TextRect() { return QRect(QPoint(6, 67), QPoint(115, 123)); }

    ReminderPopup();
    ~ReminderPopup() override;

    void SetMessage(const QString &message);
    const QString &Message() const { return m_strMessage; }

    // Reads the picture (a relative name is taken from the program directory), gives the window its
    // size and outline, centres it on the primary screen's available area and starts the timer.
    // A picture that is missing, unreadable or not a bitmap is replaced by the built-in popup
    // picture, with a line on standard error. Returns whether the named picture was used.
    bool Create(const QString &pictureFileName);

    // One tick of a timer: every tick moves the shared jiggle; the popup's own timer also moves the
    // window or counts down to closing.
    void OnTimer(int nIDEvent);

    QRect HomeRect() const { return m_rcHome; }
    const QString &ImagePath() const { return m_strImagePath; }
    bool IsClosing() const { return m_countdown.bClosing; }
    const QFont &MessageFont() const { return m_fontMessage; }
    QColor TextColor() const { return m_clrText; }

signals:
    // The window has closed; the owner may delete the popup.
    void finished();
    // A left click: the popup stops jiggling.
    void clicked();
    // The user put the reminder off by `minutes` from the popup's menu; the popup closes.
    void snoozed(int minutes);

protected:
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void OnLButtonDown(const QPoint &globalPoint);
    void DrawMessage(QPainter &painter) const;

    popup::CloseCountdown m_countdown;
    QString m_strMessage;
    QFont m_fontMessage;
    QRect m_rcHome;
    QColor m_clrText;
    QString m_strImagePath;
    QBasicTimer m_timer;
    platform::WindowDrag m_drag;
};
