// Timing of the clock's tick: one wake at the start of each wall-clock second.
//
// Polling the clock ten times a second woke the process for nothing nine times out of ten and
// still showed each second up to a tenth of a second late. The tick is instead armed afresh at
// each wake for the start of the next wall-clock second, a few milliseconds after it, so the face
// and a due reminder follow the second at once and the process sleeps in between. The delay is
// worked out from the wall clock at every wake and never exceeds about a second, so a step of the
// wall clock (time service, resume, a faked clock) is seen at the next wake.
#pragma once

#include <cstdint>

namespace platform {

// How long after the start of a second the tick wakes: enough that the wall clock, read through
// another path or slewed by the time service, already shows the new second.
inline constexpr int TickMarginMs = 3;
// The longest wait between two wakes.
inline constexpr int LongestTickMs = 1000 + TickMarginMs;

// The wall clock in milliseconds since 1970-01-01 UTC.
std::int64_t WallClockMs();

// The whole second (a moment) that a wall-clock reading in milliseconds falls in.
std::int64_t SecondOf(std::int64_t wallMs);

// Milliseconds to wait, from the wall-clock reading `nowMs`, until just after the start of the
// second following the one read at the wake (`wokeMs`): 0 when the work of the wake ran into that
// second already, at most LongestTickMs when the clock was stepped back meanwhile.
int TickDelayMs(std::int64_t wokeMs, std::int64_t nowMs);

// Whether a wake that reads `second` (of the minute) has work to do: true, and `lastSecond`
// updated, when it differs from the second seen at the last wake that had work.
bool IsNewSecond(int &lastSecond, int second);

} // namespace platform
