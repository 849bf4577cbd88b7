// Timing of the clock's tick on top of the C library's wall clock.
#include "core/clock/SecondTick.h"

#include <algorithm>
#include <ctime>

namespace platform {

std::int64_t WallClockMs()
{
    // One reading for both the second and the delay: time() may lag behind it by a kernel tick.
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

std::int64_t SecondOf(std::int64_t wallMs)
{
    // Rounded towards the past, also before 1970.
    return wallMs >= 0 ? wallMs / 1000 : -((-wallMs + 999) / 1000);
}

int TickDelayMs(std::int64_t wokeMs, std::int64_t nowMs)
{
    const std::int64_t due = (SecondOf(wokeMs) + 1) * 1000 + TickMarginMs;
    return static_cast<int>(std::clamp<std::int64_t>(due - nowMs, 0, LongestTickMs));
}

bool IsNewSecond(int &lastSecond, int second)
{
    if (second == lastSecond)
        return false;
    lastSecond = second;
    return true;
}

} // namespace platform
