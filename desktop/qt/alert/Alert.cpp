// Plays the alarm sound and wakes the clock while it is under way.
#include "alert/Alert.h"

#include <utility>

namespace alert {

namespace {
constexpr int kRepeatCheckMs = 250;
}

Alert::Alert(std::function<void(std::int64_t)> check)
    : m_check(std::move(check))
{
    m_clock.start();
    m_repeat.setInterval(kRepeatCheckMs);
    connect(&m_repeat, &QTimer::timeout, this, [this] { m_check(SteadyMs()); });
}

Alert::~Alert() = default;

void Alert::Play()
{
    // The worker starts with the first sound, so a clock that never alerts never meets the
    // sound system.
    if (!m_sound)
        m_sound = std::make_unique<AlarmSound>();
    m_sound->Play();
}

void Alert::Stop()
{
    if (m_sound)
        m_sound->Stop();
}

void Alert::Watch(bool on)
{
    if (!on)
        m_repeat.stop();
    else if (!m_repeat.isActive())
        m_repeat.start();
}

} // namespace alert
