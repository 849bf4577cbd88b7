// Writes a window's position once a move by the user has come to rest, not on every step of it.
#pragma once

#include <optional>

namespace core {

struct WindowPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const WindowPosition &, const WindowPosition &) = default;
};

// The rule; the front end owns the rest timer (about 400 ms) and writes what Rest returns.
class PositionRecorder
{
public:
    // The position the settings hold now.
    void SetStored(WindowPosition stored) { m_stored = m_last = stored; }

    // The user pressed the button on the window: the moves that follow are the user's. A window
    // manager that carries the drag on may swallow the release and pause mid-drag, so they stay
    // the user's from then on.
    void UserMoveStarted() { m_bUserMove = true; }
    // The window is now at `pos`. True when the rest timer must (re)start: after the user's first
    // press; moves before it (placement at start-up) are never written.
    bool Moved(WindowPosition pos);
    // The rest time has passed or the button was released: the position to write, if the user
    // moved the window somewhere other than what the settings hold. It is then held as stored.
    std::optional<WindowPosition> Rest();

private:
    WindowPosition m_stored;
    WindowPosition m_last;
    bool m_bUserMove = false;
    bool m_bMovedByUser = false;
};

} // namespace core
