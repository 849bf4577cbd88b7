// The position recorder's rest timer for a Qt window (the rule is core::PositionRecorder).
#pragma once

#include <functional>

#include <QObject>
#include <QPoint>
#include <QTimer>

#include "core/clock/PositionRecorder.h"

namespace platform {

class PositionRecorder : public QObject
{
public:
    // `save` writes a new position to the settings.
    explicit PositionRecorder(std::function<void(QPoint)> save, int restMs = 400);

    void SetStored(QPoint stored) { m_rule.SetStored({stored.x(), stored.y()}); }
    void UserMoveStarted() { m_rule.UserMoveStarted(); }
    void Moved(QPoint pos);
    // The button was released: a pending position is written now.
    void UserMoveEnded() { Rest(); }

    bool Pending() const { return m_timer.isActive(); }

private:
    void Rest();

    std::function<void(QPoint)> m_save;
    core::PositionRecorder m_rule;
    QTimer m_timer;
};

} // namespace platform
