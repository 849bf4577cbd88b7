// The snooze queue, ordered by due moment, and the text form of a snooze.
#include "core/alert/SnoozeQueue.h"

#include <algorithm>
#include <charconv>

namespace alert {

void SnoozeQueue::Add(const std::string &message, platform::Moment due)
{
    const auto at = std::upper_bound(m_arrItems.begin(), m_arrItems.end(), due,
                                     [](platform::Moment moment, const Snooze &item) { return moment < item.due; });
    m_arrItems.insert(at, Snooze{due, message});
}

std::vector<std::string> SnoozeQueue::TakeDue(platform::Moment now)
{
    std::vector<std::string> due;
    auto it = m_arrItems.begin();
    for (; it != m_arrItems.end() && it->due <= now; ++it)
        due.push_back(std::move(it->message));
    m_arrItems.erase(m_arrItems.begin(), it);
    return due;
}

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string SnoozeToText(const Snooze &snooze)
{
    std::string text = std::to_string(snooze.due) + ':';
    for (const char c : snooze.message) {
        const auto byte = static_cast<unsigned char>(c);
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 0x0f];
    }
    return text;
}

std::optional<Snooze> SnoozeFromText(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return std::nullopt;
    const std::string_view due = text.substr(0, colon);
    const std::string_view hex = text.substr(colon + 1);
    if (!std::all_of(due.begin(), due.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    Snooze snooze;
    const auto [end, error] = std::from_chars(due.data(), due.data() + due.size(), snooze.due);
    if (error != std::errc() || end != due.data() + due.size())
        return std::nullopt;
    if (hex.size() % 2 != 0 || hex.size() / 2 > MaxSnoozeMessageBytes)
        return std::nullopt;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]);
        const int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        snooze.message += static_cast<char>(high * 16 + low);
    }
    return snooze;
}

} // namespace alert
