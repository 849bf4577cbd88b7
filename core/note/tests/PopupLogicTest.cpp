// Tests of the popup's jiggle, closing countdown, centring and message lines.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/Gbk.h"
#include "core/note/PopupLogic.h"

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
    using core::Rect, core::Size;
    EXPECT_EQ(popup::CentredRect(Rect{0, 0, 1024, 738}, Size{122, 130}), (Rect{451, 304, 122, 130}));

    // Odd sizes: 1023 / 2 = 511, 121 / 2 = 60; an area that starts right of and below panels.
    EXPECT_EQ(popup::CentredRect(Rect{48, 30, 1023, 767}, Size{121, 131}), (Rect{48 + 451, 30 + 383 - 65, 121, 131}));
    // A window larger than the area sticks out on both sides.
    EXPECT_EQ(popup::CentredRect(Rect{0, 0, 100, 100}, Size{301, 300}), (Rect{-100, -100, 301, 300}));
}

// The rows are written in UTF-8, apart from bytes that are not whole GBK characters.
std::string Gbk(const std::string &text)
{
    return core::Utf8ToGbk(text).value_or(text);
}

struct LinesRow {
    const char *what;
    std::string message;
    std::vector<std::string> lines;
    int maxLines = popup::kMessageLines;
};

TEST(MessageLines, BreaksFillsAndEndsWithAnEllipsis)
{
    const std::string ten = "一二三四五六七八九十";
    const std::vector<LinesRow> rows = {
        {"15 Chinese characters", ten + "一二三四五", {"一二三四五六", "七八九十一二", "三四五"}},
        {"18 Chinese characters fill the box", ten + "一二三四五六七八",
         {"一二三四五六", "七八九十一二", "三四五六七八"}},
        {"20 Chinese characters", ten + ten, {"一二三四五六", "七八九十一二", "三四五六七…"}},
        {"between words, spaces dropped", "wake up now   please, it is late",
         {"wake up now", "please, it", "is late"}},
        {"a word longer than a line", std::string(30, 'W'),
         {std::string(12, 'W'), std::string(12, 'W'), std::string(6, 'W')}},
        {"a word longer than the box", std::string(40, 'W'),
         {std::string(12, 'W'), std::string(12, 'W'), std::string(10, 'W') + "…"}},
        {"a double-byte character that would stick out", "a一二三四五六", {"a一二三四五", "六"}},
        {"a trail byte in the ASCII range (81 40)", std::string(11, 'a') + "丂", {std::string(11, 'a'), "丂"}},
        {"a lead byte without its trail", Gbk("一") + "\x81 b", {"一\uFFFD b"}},
        {"no closing punctuation first", "一二三四五六，七", {"一二三四五", "六，七"}},
        {"no opening punctuation last", "一二三四五（六）", {"一二三四五", "（六）"}},
        {"words and Chinese", "Meeting 一二三四五", {"Meeting 一二", "三四五"}},
        {"line ends", "一\r\n二\n\n三", {"一", "二", "", "三"}, 4},
        {"more lines than the box", "一\n二\n三\n四", {"一", "二", "三…"}},
        {"blank lines at the end", "一\n二\n三\n \n", {"一", "二", "三"}},
        {"one line", "abcdefghijklmnop", {"abcdefghij…"}, 1},
        {"no space before the ellipsis", "abcdefghi   xyz", {"abcdefghi…"}, 1},
    };
    for (const LinesRow &row : rows) {
        std::vector<std::string> got = popup::MessageLines(Gbk(row.message), popup::kMessageColumns, row.maxLines);
        for (std::string &line : got)
            line = core::GbkToUtf8(line);
        EXPECT_EQ(got, row.lines) << row.what;
    }
}

} // namespace
