// Position writes at the end of a drag.
#include "core/clock/PositionRecorder.h"

namespace core {

bool PositionRecorder::Moved(WindowPosition pos)
{
    m_last = pos;
    if (m_bUserMove)
        m_bMovedByUser = true;
    return m_bUserMove;
}

std::optional<WindowPosition> PositionRecorder::Rest()
{
    const bool movedByUser = m_bMovedByUser;
    m_bMovedByUser = false;
    if (!movedByUser || m_last == m_stored)
        return std::nullopt;
    m_stored = m_last;
    return m_last;
}

} // namespace core
