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

    // The user pressed the button on the window: the moves that follow are the user's. A window
    // manager that carries the drag on may swallow the release and pause mid-drag, so they stay
    // the user's from then on.
    void UserMoveStarted();
    // The window is now at `pos`. After the user's first press a move is written once no move has
    // followed for the rest time; moves before it (placement at start-up) are not written.
    void Moved(QPoint pos);
    // The button was released: a pending position is written now.
    void UserMoveEnded();

    bool Pending() const { return m_timer.isActive(); }

private:
    void Rest();

    std::function<void(QPoint)> m_save;
    QPoint m_ptStored;
    QPoint m_ptLast;
    bool m_bUserMove = false;
    bool m_bMovedByUser = false;
    QTimer m_timer;
};

} // namespace platform
