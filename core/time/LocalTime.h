// Moments (seconds since 1970-01-01 UTC) and their conversion to and from local time.
#pragma once

#include <cstdint>
#include <ctime>

namespace platform {

using Moment = std::int64_t;

// Local calendar fields of a moment; month is 1..12, year is the full year.
struct LocalFields {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The current moment of the wall clock.
Moment CurrentMoment();

// Local broken-down time of a moment (localtime_r).
LocalFields ToLocal(Moment moment);

// The moment of a local date and time; daylight saving is left to the C library (tm_isdst = -1).
Moment FromLocal(int year, int month, int day, int hour, int minute, int second);

// FromLocal(1971, 1, 1, hour, minute, second), the daily reference of the reminders, for the
// once-a-second check: worked out from that day's local midnight, which is kept for the time zone
// setting (TZ) it was found for, rather than through mktime, which looks at the zone file at every
// call. A day with a change of offset is left to FromLocal.
Moment DailyReference(int hour, int minute, int second);

} // namespace platform
