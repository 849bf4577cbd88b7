// Dragging a frameless window with the left button: the window manager moves it where it can,
// otherwise the window follows the pointer by hand.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace platform {

class WindowDrag
{
public:
    // Starts a drag of `window` from the pointer at `globalPoint`.
    void Begin(QWidget *window, const QPoint &globalPoint);
    // Follows the pointer during a manual drag; returns whether the event was used.
    bool Move(QWidget *window, const QMouseEvent *event);
    // Ends a drag when the left button is released.
    void End(const QMouseEvent *event);

private:
    bool m_bManual = false;
    QPoint m_ptOffset;
};

} // namespace platform
