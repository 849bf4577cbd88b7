// Shared by the reminder tests: a pinned time zone, UTC moments, records added in one line.
#pragma once

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include <QDateTime>
#include <QTimeZone>

#include "platform/LocalTime.h"
#include "reminders/ReminderMap.h"

// Sets TZ for the lifetime of the object and restores the previous value afterwards.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone)
    {
        if (const char *old = std::getenv("TZ"))
            m_strOld = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_strOld)
            setenv("TZ", m_strOld->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone &) = delete;
    ScopedTimeZone &operator=(const ScopedTimeZone &) = delete;

private:
    std::optional<std::string> m_strOld;
};

inline platform::Moment UtcMoment(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc()).toSecsSinceEpoch();
}

// Adds a record dated January 1st of `year` (1971, the daily date, unless told).
inline ReminderRecord *Add(ReminderMap &map, int hour, int minute, int second, const std::string &message,
                    int kind = ReminderRecord::KindDaily, platform::Moment now = 0, int enabled = 1,
                    int year = 1971)
{
    auto record = std::make_unique<ReminderRecord>();
    record->Set(year, 1, 1, hour, minute, second, enabled, message, kind, now);
    return map.Insert(std::move(record));
}
