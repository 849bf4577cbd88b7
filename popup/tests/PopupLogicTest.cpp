// Tests of the popup's jiggle, closing countdown, centring and message lines.
#include <string>
#include <utility>
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

// The rows are written in UTF-8; these are the GBK forms of the Chinese characters they use.
const std::pair<std::string, std::string> kGbk[] = {
    {"一", "\xD2\xBB"}, {"二", "\xB6\xFE"}, {"三", "\xC8\xFD"}, {"四", "\xCB\xC4"}, {"五", "\xCE\xE5"},
    {"六", "\xC1\xF9"}, {"七", "\xC6\xDF"}, {"八", "\xB0\xCB"}, {"九", "\xBE\xC5"}, {"十", "\xCA\xAE"},
    {"，", "\xA3\xAC"}, {"。", "\xA1\xA3"}, {"（", "\xA3\xA8"}, {"）", "\xA3\xA9"}, {"…", "\xA1\xAD"},
};

std::string Convert(const std::string &text, bool toGbk)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool found = false;
        for (const auto &[utf8, gbk] : kGbk) {
            const std::string &from = toGbk ? utf8 : gbk;
            if (text.compare(i, from.size(), from) == 0) {
                out += toGbk ? gbk : utf8;
                i += from.size();
                found = true;
                break;
            }
        }
        if (!found)
            out += text[i++];
    }
    return out;
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
        {"empty", "", {""}},
        {"short", "Hi", {"Hi"}},
        {"30 letters, no space", "Mgypqj" "Mgypqj" "Mgypqj" "Mgypqj" "Mgypqj",
         {"MgypqjMgypqj", "MgypqjMgypqj", "Mgypqj"}},
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
        {"a trail byte in the ASCII range", std::string(11, 'a') + "\x81\x40", {std::string(11, 'a'), "\x81\x40"}},
        {"a lead byte without its trail", "一\x81", {"一\x81"}},
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
        std::vector<std::string> got = popup::MessageLines(Convert(row.message, true), popup::kMessageColumns, row.maxLines);
        for (std::string &line : got)
            line = Convert(line, false);
        EXPECT_EQ(got, row.lines) << row.what;
    }
}

} // namespace
