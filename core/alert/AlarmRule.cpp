// The alarm's play, repeat and stop rule.
#include "core/alert/AlarmRule.h"

namespace alert {

AlarmRule::Action AlarmRule::Opened(const void *popup, std::int64_t nowMs)
{
    m_setJiggling.insert(popup);
    m_nLatestOpenMs = nowMs;
    if (m_bSounding)
        return Action::None;
    m_bSounding = true;
    m_nLastPlayMs = nowMs;
    return Action::Play;
}

AlarmRule::Action AlarmRule::Quieted(const void *popup)
{
    m_setJiggling.erase(popup);
    if (!m_bSounding || !m_setJiggling.empty())
        return Action::None;
    m_bSounding = false;
    return Action::Stop;
}

AlarmRule::Action AlarmRule::Tick(std::int64_t nowMs)
{
    if (!m_bSounding)
        return Action::None;
    if (nowMs - m_nLatestOpenMs >= LimitMs) {
        m_bSounding = false;
        return Action::Stop;
    }
    if (nowMs - m_nLastPlayMs < RepeatMs)
        return Action::None;
    m_nLastPlayMs = nowMs;
    return Action::Play;
}

AlarmRule::Action AlarmRule::Clear()
{
    m_setJiggling.clear();
    const bool bWasSounding = m_bSounding;
    m_bSounding = false;
    return bWasSounding ? Action::Stop : Action::None;
}

} // namespace alert
