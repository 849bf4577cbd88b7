// Moments and local-time conversion on top of the C library.
#include "core/time/LocalTime.h"

#include <cstdlib>
#include <string>

namespace platform {

Moment CurrentMoment()
{
    return static_cast<Moment>(std::time(nullptr));
}

LocalFields ToLocal(Moment moment)
{
    const std::time_t t = static_cast<std::time_t>(moment);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    LocalFields f;
    f.year = tm.tm_year + 1900;
    f.month = tm.tm_mon + 1;
    f.day = tm.tm_mday;
    f.hour = tm.tm_hour;
    f.minute = tm.tm_min;
    f.second = tm.tm_sec;
    return f;
}

Moment FromLocal(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return static_cast<Moment>(std::mktime(&tm));
}

Moment DailyReference(int hour, int minute, int second)
{
    struct Day {
        bool known = false;
        bool zoneSet = false;
        std::string zone; // TZ, when set
        Moment midnight = 0;
        bool even = false; // 86400 seconds long, with one offset throughout
    };
    static Day day;
    const char *zone = std::getenv("TZ");
    if (!day.known || day.zoneSet != (zone != nullptr) || (zone && day.zone != zone)) {
        day.known = true;
        day.zoneSet = zone != nullptr;
        day.zone = zone ? zone : "";
        day.midnight = FromLocal(1971, 1, 1, 0, 0, 0);
        day.even = FromLocal(1971, 1, 2, 0, 0, 0) - day.midnight == 86400
            && FromLocal(1971, 1, 1, 23, 59, 59) - day.midnight == 86399;
    }
    if (!day.even)
        return FromLocal(1971, 1, 1, hour, minute, second);
    return day.midnight + hour * 3600 + minute * 60 + second;
}

} // namespace platform
