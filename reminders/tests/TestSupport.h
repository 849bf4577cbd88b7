// Shared by the reminder tests: a pinned time zone and UTC moments.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include <QDateTime>
#include <QTimeZone>

#include "platform/LocalTime.h"

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
