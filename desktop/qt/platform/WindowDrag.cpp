// Window drag through QWindow::startSystemMove, with a manual move where that is refused.
#include "platform/WindowDrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace platform {

std::optional<bool> LeftButtonDownNow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (!reply)
        return std::nullopt;
    const bool down = (reply->mask & XCB_BUTTON_MASK_1) != 0;
    std::free(reply);
    return down;
}

WindowDrag::WindowDrag()
    : WindowDrag(LeftButtonDownNow, [](QWidget *window) {
        QWindow *handle = window->windowHandle();
        return handle && handle->startSystemMove();
    })
{
}

WindowDrag::WindowDrag(ButtonProbe leftButtonDown, SystemMove systemMove)
    : m_leftButtonDown(std::move(leftButtonDown))
    , m_systemMove(std::move(systemMove))
{
}

void WindowDrag::Begin(QWidget *window, const QPoint &globalPoint)
{
    m_ptOffset = globalPoint - window->pos();
    // A press already released is followed by hand through the motions queued before its release.
    const std::optional<bool> down = m_leftButtonDown();
    m_bManual = (down && !*down) || !m_systemMove(window);
}

bool WindowDrag::Move(QWidget *window, const QMouseEvent *event)
{
    if (!m_bManual || !(event->buttons() & Qt::LeftButton))
        return false;
    window->move(event->globalPosition().toPoint() - m_ptOffset);
    return true;
}

void WindowDrag::End(const QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_bManual = false;
}

} // namespace platform
