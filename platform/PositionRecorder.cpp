// Position writes at the end of a drag.
#include "platform/PositionRecorder.h"

namespace platform {

PositionRecorder::PositionRecorder(std::function<void(QPoint)> save, int restMs)
    : m_save(std::move(save))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(restMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { Rest(); });
}

void PositionRecorder::UserMoveStarted()
{
    m_bUserMove = true;
}

void PositionRecorder::Moved(QPoint pos)
{
    m_ptLast = pos;
    if (m_bUserMove) {
        m_bMovedByUser = true;
        m_timer.start();
    }
}

void PositionRecorder::UserMoveEnded()
{
    Rest();
}

void PositionRecorder::Rest()
{
    m_timer.stop();
    const bool movedByUser = m_bMovedByUser;
    m_bMovedByUser = false;
    if (!movedByUser || m_ptLast == m_ptStored)
        return;
    m_ptStored = m_ptLast;
    m_save(m_ptLast);
}

} // namespace platform
