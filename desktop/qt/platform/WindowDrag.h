// Dragging a frameless window with the left button: the window manager moves it where it can,
// otherwise the window follows the pointer by hand.
#pragma once

#include <QPoint>

#include <functional>
#include <optional>

class QMouseEvent;
class QWidget;

namespace platform {

class WindowDrag
{
public:
    // Whether the left button is down at this moment by the window system's own account (not by
    // the events queued for the program); no answer where it cannot tell.
    using ButtonProbe = std::function<std::optional<bool>()>;
    // Hands the move of `window` to the window manager; false where it refuses.
    using SystemMove = std::function<bool(QWidget *window)>;

    // Asks the X server, and hands the move over through QWindow::startSystemMove.
    WindowDrag();
    WindowDrag(ButtonProbe leftButtonDown, SystemMove systemMove);

    // Starts a drag of `window` from the pointer at `globalPoint`. The window manager gets it only
    // while the button is still down: asked after the release (a quick click, a touchpad tap), it
    // carries the window with the pointer until the next click.
    void Begin(QWidget *window, const QPoint &globalPoint);
    // Follows the pointer during a manual drag; returns whether the event was used.
    bool Move(QWidget *window, const QMouseEvent *event);
    // Ends a drag when the left button is released.
    void End(const QMouseEvent *event);

private:
    ButtonProbe m_leftButtonDown;
    SystemMove m_systemMove;
    bool m_bManual = false;
    QPoint m_ptOffset;
};

// The X server's pointer state, asked over Qt's connection; no answer on other platforms.
std::optional<bool> LeftButtonDownNow();

} // namespace platform
