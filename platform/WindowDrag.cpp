// Window drag through QWindow::startSystemMove, with a manual move where that is refused.
#include "platform/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

void WindowDrag::Begin(QWidget *window, const QPoint &globalPoint)
{
    QWindow *handle = window->windowHandle();
    m_bManual = !(handle && handle->startSystemMove());
    m_ptOffset = globalPoint - window->pos();
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
