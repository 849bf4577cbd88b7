// The once-per-second reminder check.
#include "core/reminders/ReminderCheck.h"

#include <vector>

int CheckReminders(ReminderMap &map, int hour, int minute, int second, platform::Moment now,
                   const std::function<void(const std::string &message)> &showPopup)
{
    const platform::Moment dailyReference = platform::DailyReference(hour, minute, second);
    std::vector<std::string> fired;
    map.ForEach([&](ReminderRecord &record) {
        if (record.CheckDue(dailyReference, now))
            fired.push_back(record.message);
    });
    if (showPopup) {
        for (const std::string &message : fired)
            showPopup(message);
    }
    return static_cast<int>(fired.size());
}
