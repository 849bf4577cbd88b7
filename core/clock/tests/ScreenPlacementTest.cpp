// Tests of where a saved window is shown on the screens of now.
#include "core/clock/ScreenPlacement.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

TEST(VisibleTopLeft, OffEveryScreenGoesToThePrimaryArea)
{
    // Primary 1920 x 1080 with a 40 pixel panel on top, a second screen to its right.
    const Rect primary{0, 40, 1920, 1040};
    const std::vector<Rect> areas{primary, Rect{1920, 0, 1280, 1024}};
    const struct { Rect saved; Point shown; } rows[] = {
        {{300, 200, 200, 60}, {300, 200}},
        {{2500, 900, 200, 60}, {2500, 900}},      // on the second screen
        {{-199, 1079, 200, 60}, {-199, 1079}},    // one pixel on the primary
        {{3100, -59, 200, 60}, {3100, -59}},      // one pixel on the second
        {{-200, 500, 200, 60}, {0, 40}},          // just left of everything
        {{500, -20, 200, 60}, {0, 40}},           // under the panel only
        {{2000, 1024, 200, 60}, {0, 40}},         // below the second screen
        {{3200, 100, 200, 60}, {0, 40}},          // a screen that is gone
        {{2147483600, 200, 200, 60}, {0, 40}},    // far out, where the right edge passes INT_MAX
        {{300, 200, 0, 0}, {0, 40}},              // no size
    };
    for (const auto &row : rows)
        EXPECT_EQ(VisibleTopLeft(row.saved, areas, primary), row.shown)
            << row.saved.left << "," << row.saved.top;
}

} // namespace
