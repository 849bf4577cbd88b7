// Tests of the popup's jiggle, closing countdown and centring.
#include <vector>

#include <gtest/gtest.h>

#include "popup/PopupLogic.h"

namespace {

using popup::Shake;

TEST(NextShake, SequenceFromTheStart)
{
    const std::vector<Shake> expected = {{-1, 1}, {-1, -1}, {1, -1}, {-1, -1}, {1, -1}, {-1, -1}, {1, -1}};
    Shake shake;
    ASSERT_EQ(shake, (Shake{1, 1}));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        shake = popup::NextShake(shake);
        EXPECT_EQ(shake, expected[i]) << "tick " << i + 1;
    }
    // A state the program never reaches still moves by one flip.
    EXPECT_EQ(popup::NextShake({-1, 1}), (Shake{-1, -1}));
    EXPECT_EQ(popup::NextShake({1, -1}), (Shake{-1, -1}));
}

TEST(CloseCountdown, ClosesOnTheTwentyFirstTickAfterTheLastClick)
{
    popup::CloseCountdown countdown;
    for (int i = 0; i < 50; ++i)
        ASSERT_FALSE(countdown.Tick()) << "closed without a click";

    countdown.Click();
    for (int i = 1; i <= 20; ++i)
        ASSERT_FALSE(countdown.Tick()) << "tick " << i;
    EXPECT_TRUE(countdown.Tick());

    popup::CloseCountdown again;
    again.Click();
    for (int i = 1; i <= 10; ++i)
        ASSERT_FALSE(again.Tick());
    again.Click();
    for (int i = 1; i <= 20; ++i)
        ASSERT_FALSE(again.Tick()) << "tick " << i << " after the second click";
    EXPECT_TRUE(again.Tick());
}

TEST(CentredRect, HalvesRoundedTowardZero)
{
    EXPECT_EQ(popup::CentredRect(QRect(0, 0, 1024, 738), QSize(122, 130)), QRect(451, 304, 122, 130));

    // Odd sizes: 1023 / 2 = 511, 121 / 2 = 60; an area that starts right of and below panels.
    EXPECT_EQ(popup::CentredRect(QRect(48, 30, 1023, 767), QSize(121, 131)), QRect(48 + 451, 30 + 383 - 65, 121, 131));
    // A window larger than the area sticks out on both sides.
    EXPECT_EQ(popup::CentredRect(QRect(0, 0, 100, 100), QSize(301, 300)), QRect(-100, -100, 301, 300));
}

} // namespace
