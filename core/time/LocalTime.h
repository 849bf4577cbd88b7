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

} // namespace platform
