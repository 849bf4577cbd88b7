// The rest timer of the position recorder.
#include "platform/PositionRecorder.h"

namespace platform {

PositionRecorder::PositionRecorder(std::function<void(QPoint)> save, int restMs)
    : m_save(std::move(save))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(restMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { Rest(); });
}

void PositionRecorder::Moved(QPoint pos)
{
    if (m_rule.Moved({pos.x(), pos.y()}))
        m_timer.start();
}

void PositionRecorder::Rest()
{
    m_timer.stop();
    if (const auto pos = m_rule.Rest())
        m_save(QPoint(pos->x, pos->y));
}

} // namespace platform
