// Reminders put off from their popup, kept in memory until their moment comes, and their text
// form for handing them to the clock that a restart starts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
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
    // Every pending snooze, earliest first.
    const std::vector<Snooze> &Items() const { return m_arrItems; }
    void Clear() { m_arrItems.clear(); }

private:
    std::vector<Snooze> m_arrItems; // by due moment
};

// Longest message a snooze text carries, in bytes (the longest a reminder file holds).
inline constexpr std::size_t MaxSnoozeMessageBytes = 255;

// "DUE:HEX": the due moment in decimal digits, a colon, and the message's bytes as lower-case hex
// pairs. The text holds only [0-9a-f:], so it passes unchanged as one command-line argument or one
// word of a line.
std::string SnoozeToText(const Snooze &snooze);
// The snooze of such a text; nothing for any other text (a sign, a missing or extra part, a due
// moment out of range, an odd or non-hex digit, a message longer than MaxSnoozeMessageBytes).
std::optional<Snooze> SnoozeFromText(std::string_view text);

} // namespace alert
