// The alarm sound of fired reminders and the wake that lets the clock repeat or stop it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

#include "alert/AlarmSound.h"

namespace alert {

class Alert : public QObject
{
    Q_OBJECT

public:
    // `check` is called with SteadyMs() about four times a second while watching.
    explicit Alert(std::function<void(std::int64_t)> check);
    ~Alert() override;

    // Milliseconds of a steady clock.
    std::int64_t SteadyMs() const { return m_clock.elapsed(); }
    void Play();
    void Stop();
    void Watch(bool on);

private:
    std::function<void(std::int64_t)> m_check;
    std::unique_ptr<AlarmSound> m_sound;
    QElapsedTimer m_clock;
    QTimer m_repeat;
};

} // namespace alert
