// Reminders put off from their popup, kept in memory until their moment comes.
#pragma once

#include <string>
#include <vector>

#include "core/time/LocalTime.h"

namespace alert {

struct Snooze {
    platform::Moment due = 0;
    std::string message; // GBK bytes, as the reminder holds them
};

class SnoozeQueue
{
public:
    void Add(const std::string &message, platform::Moment due);
    // Removes and returns the messages due at or before `now`, earliest first; those of one
    // moment in the order they were added.
    std::vector<std::string> TakeDue(platform::Moment now);
    // The earliest pending snooze, or nullptr.
    const Snooze *Next() const { return m_arrItems.empty() ? nullptr : &m_arrItems.front(); }
    void Clear() { m_arrItems.clear(); }

private:
    std::vector<Snooze> m_arrItems; // by due moment
};

} // namespace alert
