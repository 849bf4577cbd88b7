// Shared by the reminder tests: a pinned time zone, UTC moments, records added in one line.
#pragma once

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>


#include "core/time/LocalTime.h"
#include "core/reminders/ReminderMap.h"

// Sets TZ for the lifetime of the object and restores the previous value afterwards.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone)
    {
        if (const char *old = std::getenv("TZ"))
            m_strOld = old;
        SetZone(zone);
    }
    ~ScopedTimeZone()
    {
        SetZone(m_strOld ? m_strOld->c_str() : nullptr);
    }
    ScopedTimeZone(const ScopedTimeZone &) = delete;
    ScopedTimeZone &operator=(const ScopedTimeZone &) = delete;

private:
    static void SetZone(const char *zone)
    {
#ifdef _WIN32
        _putenv_s("TZ", zone ? zone : "");
        _tzset();
#else
        if (zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    std::optional<std::string> m_strOld;
};

inline platform::Moment UtcMoment(int year, int month, int day, int hour, int minute, int second)
{
    // Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
    const int y = year - (month <= 2);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = static_cast<long long>(era) * 146097 + dayOfEra - 719468;
    return static_cast<platform::Moment>(days * 86400 + hour * 3600 + minute * 60 + second);
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
