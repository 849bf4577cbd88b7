// Moments and local-time conversion on top of the C library.
#include "core/time/LocalTime.h"

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

} // namespace platform
