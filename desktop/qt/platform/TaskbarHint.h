// Keeps a top-level window out of the taskbar and pager on X11 window managers.
#pragma once

class QWidget;

namespace platform {

// Adds _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER to the window's state. Call it
// from showEvent: the window manager drops the state whenever the window is hidden, and Qt merges
// these atoms into the state it sets when it maps the window. Does nothing off X11.
void KeepOffTaskbar(QWidget *window);

} // namespace platform
