// Writes a window's position once a move by the user has come to rest, not on every step of it.
#pragma once

#include <functional>

#include <QObject>
#include <QPoint>
#include <QTimer>

namespace platform {

class PositionRecorder : public QObject
{
public:
    // `save` writes a new position to the settings.
    explicit PositionRecorder(std::function<void(QPoint)> save, int restMs = 400);

    // The position the settings hold now.
    void SetStored(QPoint stored) { m_ptStored = m_ptLast = stored; }

    // The user pressed the button on the window: the moves that follow are the user's.
    void UserMoveStarted();
    // The window is now at `pos`. A move by the user is written once no move has followed for
    // the rest time; any other move (placement at start-up, the window manager) is not written.
    void Moved(QPoint pos);
    // The button was released: a pending position is written now.
    void UserMoveEnded();

    bool Pending() const { return m_timer.isActive(); }

private:
    void Rest(bool released);

    std::function<void(QPoint)> m_save;
    QPoint m_ptStored;
    QPoint m_ptLast;
    bool m_bUserMove = false;
    bool m_bMovedByUser = false;
    QTimer m_timer;
};

} // namespace platform
