// Connects the alarm rule to the sound and its repeat timer.
#include "alert/Alert.h"


namespace alert {

namespace {
constexpr int kRepeatCheckMs = 250;
}

Alert::Alert()
{
    m_clock.start();
    m_repeat.setInterval(kRepeatCheckMs);
    connect(&m_repeat, &QTimer::timeout, this, &Alert::OnRepeat);
}

Alert::~Alert() = default;

void Alert::SetSoundOn(bool on)
{
    m_bSoundOn = on;
    if (!on && m_sound)
        m_sound->Stop();
}

void Alert::PopupOpened(const void *popup)
{
    Apply(m_rule.Opened(popup, m_clock.elapsed()));
}

void Alert::PopupQuieted(const void *popup)
{
    Apply(m_rule.Quieted(popup));
}

void Alert::Clear()
{
    Apply(m_rule.Clear());
    m_snoozes.Clear();
}

void Alert::OnRepeat()
{
    Apply(m_rule.Tick(m_clock.elapsed()));
}

void Alert::Apply(AlarmRule::Action action)
{
    if (m_rule.Sounding()) {
        if (!m_repeat.isActive())
            m_repeat.start();
    } else {
        m_repeat.stop();
    }
    if (action == AlarmRule::Action::Stop && m_sound)
        m_sound->Stop();
    if (action == AlarmRule::Action::Play && m_bSoundOn) {
        // The worker starts with the first sound, so a clock that never alerts never meets the
        // sound system.
        if (!m_sound)
            m_sound = std::make_unique<AlarmSound>();
        m_sound->Play();
    }
}

} // namespace alert
