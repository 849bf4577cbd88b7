// The snooze queue, ordered by due moment.
#include "alert/SnoozeQueue.h"

#include <algorithm>

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

} // namespace alert
