// Tests of the tick timing: the delay to the next second and each second's work done once.
#include "core/clock/SecondTick.h"

#include <vector>

#include <gtest/gtest.h>

using namespace platform;

TEST(SecondTick, DelayToNextSecond)
{
    struct Row { std::int64_t woke, now; int delay; };
    const Row rows[] = {
        {4999, 4999, 4},            // just before a second
        {5000, 5000, 1003},         // on the second
        {5001, 5001, 1002},         // just after it
        {5500, 5510, 493},          // work took 10 ms
        {5990, 6010, 0},            // work ran into the next second: wake at once
        {-1, -1, 4},                // before 1970
        {5000, 5000 - 3600000, 1003}, // stepped back during the work: about a second at most
    };
    for (const Row &r : rows)
        EXPECT_EQ(TickDelayMs(r.woke, r.now), r.delay) << r.woke << " " << r.now;
}

// Wakes driven by the delays on a timer of steady time, while the wall clock is stepped once.
TEST(SecondTick, EachSecondWorkedOnceAcrossSteps)
{
    struct Row { std::int64_t step; std::int64_t jump; }; // wall-clock step, worked-second jump
    const Row rows[] = {{-3600000, -3599}, {86400000, 86401}, {-1000, 1}, {-500, 1}, {250, 1}, {1500, 2}};
    for (const Row &r : rows) {
        std::int64_t offset = 1'700'000'000'123;
        const std::int64_t stepAt = 4500;
        std::int64_t firstWorkAfterStep = -1;
        std::vector<std::int64_t> worked;
        int offBeat = 0;
        int last = 0;
        bool stepped = false;
        for (std::int64_t steady = 0; steady < 10000;) {
            if (!stepped && steady >= stepAt) {
                offset += r.step;
                stepped = true;
            }
            const std::int64_t wall = steady + offset;
            if (IsNewSecond(last, static_cast<int>(SecondOf(wall) % 60))) {
                worked.push_back(SecondOf(wall));
                offBeat += wall % 1000 != TickMarginMs;
                if (steady >= stepAt && firstWorkAfterStep < 0)
                    firstWorkAfterStep = steady;
            }
            steady += TickDelayMs(wall, wall);
        }
        int jumps = 0;
        for (std::size_t i = 1; i < worked.size(); ++i) {
            const std::int64_t d = worked[i] - worked[i - 1];
            jumps += d != 1;
            EXPECT_TRUE(d == 1 || d == r.jump) << r.step << ": second " << i << " moved by " << d;
        }
        EXPECT_EQ(jumps, r.jump != 1) << r.step;
        EXPECT_GE(worked.size(), 9u) << r.step;
        EXPECT_LE(firstWorkAfterStep - stepAt, 2 * LongestTickMs) << r.step;
        EXPECT_LE(offBeat, 2) << r.step; // the first wake and the one after the step
    }
}
