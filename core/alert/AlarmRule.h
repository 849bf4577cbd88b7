// When the alarm sound plays, repeats and stops, over the popups that jiggle; no sound or window.
#pragma once

#include <cstdint>
#include <set>

namespace alert {

// One sound for every jiggling popup together: it starts when a popup opens and none sounds yet,
// repeats while any popup still jiggles, and stops when the last one is quieted (clicked, snoozed
// or closed) or two minutes after the latest popup opened, whichever comes first. Times are
// milliseconds of a steady clock.
class AlarmRule
{
public:
    // The sound lasts a little over six seconds; the next one starts after it.
    static constexpr std::int64_t RepeatMs = 6500;
    static constexpr std::int64_t LimitMs = 120000;

    enum class Action { None, Play, Stop };

    Action Opened(const void *popup, std::int64_t nowMs);
    Action Quieted(const void *popup);
    Action Tick(std::int64_t nowMs);
    // Drops every popup; the sound stops when it was on.
    Action Clear();

    bool Sounding() const { return m_bSounding; }

private:
    std::set<const void *> m_setJiggling;
    bool m_bSounding = false;
    std::int64_t m_nLatestOpenMs = 0;
    std::int64_t m_nLastPlayMs = 0;
};

} // namespace alert
