// Tests of the field layout, text composition, navigation, hit test and the integer segment.
#include <climits>

#include <gtest/gtest.h>

#include "core/fieldedit/FieldModel.h"
#include "core/fieldedit/FieldSegment.h"
#include "core/fieldedit/TextNumber.h"
#include "core/fieldedit/tests/KeyScript.h"

namespace core {
namespace {

std::vector<std::u16string> Strings(std::initializer_list<const char *> items)
{
    std::vector<std::u16string> list;
    for (const char *item : items)
        list.push_back(U16(item));
    return list;
}

void ExpectRanges(const FieldModel &field, std::initializer_list<std::pair<int, int>> expected)
{
    ASSERT_EQ(field.GetSegmentCount(), static_cast<int>(expected.size()));
    int i = 0;
    for (auto [nStart, nEnd] : expected) {
        EXPECT_EQ(field.GetRange(i).nStart, nStart) << "segment " << i;
        EXPECT_EQ(field.GetRange(i).nEnd, nEnd) << "segment " << i;
        ++i;
    }
}

TEST(FieldLayout, RefusedLayoutsChangeNothing)
{
    struct Row {
        const char *name;
        std::vector<std::u16string> templates;
        std::vector<std::u16string> separators;
    };
    const Row rows[] = {
        {"two templates, three separators", Strings({"00", "00"}), Strings({":", ":", ":"})},
        {"one template", Strings({"00"}), Strings({":"})},
        {"no separator", Strings({"00", "00"}), std::vector<std::u16string>()},
        {"empty template", Strings({"00", "", "00"}), Strings({":"})},
    };
    for (const Row &row : rows) {
        FieldModel fresh;
        EXPECT_FALSE(fresh.Setup(row.templates, row.separators, u"<", u">")) << row.name;
        EXPECT_EQ(fresh.GetCurrentSegment(), -1) << row.name;

        FieldModel laidOut;
        ASSERT_TRUE(laidOut.Setup(Strings({"00", "00", "00"}), Strings({":"}), u"", u""));
        laidOut.SelectSegment(2);
        EXPECT_FALSE(laidOut.Setup(row.templates, row.separators, u"<", u">")) << row.name;
        EXPECT_EQ(Narrow(laidOut.ComposeText()), "00:00:00") << row.name;
        EXPECT_EQ(laidOut.GetCurrentSegment(), 2) << row.name;
        ExpectRanges(laidOut, {{0, 2}, {3, 5}, {6, 8}});
    }
}

TEST(FieldLayout, RangesFollowPrefixSeparatorsAndWidths)
{
    FieldModel field;
    ASSERT_TRUE(field.Setup(Strings({"00", "00", "00"}), Strings({":"}), u"", u""));
    EXPECT_EQ(Narrow(field.ComposeText()), "00:00:00");
    EXPECT_EQ(field.GetCurrentSegment(), 0);
    ExpectRanges(field, {{0, 2}, {3, 5}, {6, 8}});
    EXPECT_TRUE(field.SelectSegment(1));
    EXPECT_FALSE(field.SelectSegment(-1));
    EXPECT_FALSE(field.SelectSegment(3));
    EXPECT_EQ(field.GetCurrentRange().nStart, 3);

    ASSERT_TRUE(field.Setup(Strings({"00", "00", "00"}), Strings({":"}), u"T", u""));
    EXPECT_EQ(Narrow(field.ComposeText()), "T00:00:00");
    ExpectRanges(field, {{1, 3}, {4, 6}, {7, 9}});

    field.SelectSegment(2);
    ASSERT_TRUE(field.Setup(Strings({"000", "00", "0000"}), Strings({") ", "-"}), u"(", u"!"));
    EXPECT_EQ(Narrow(field.ComposeText()), "(000) 00-0000!");
    EXPECT_EQ(field.GetCurrentSegment(), 0);
    ExpectRanges(field, {{1, 4}, {6, 8}, {9, 13}});
}

TEST(FieldLayout, SegmentTextsAreCutToTheirWidths)
{
    FieldModel field;
    ASSERT_TRUE(field.Setup(Strings({"00", "000", "00"}), Strings({"-"}), u"", u"."));
    EXPECT_TRUE(field.SetSegmentTexts(Strings({"12345", "678", "9", "extra"})));
    EXPECT_EQ(Narrow(field.ComposeText()), "12-678-9.");
    ExpectRanges(field, {{0, 2}, {3, 6}, {7, 9}});

    EXPECT_FALSE(field.SetSegmentTexts(Strings({"ab", "cde"})));
    EXPECT_EQ(Narrow(field.ComposeText()), "12-678-9.");
}

TEST(FieldLayout, ClickHitTestGivesASegmentsEndToTheNextSegment)
{
    FieldModel field;
    ASSERT_TRUE(field.Setup(Strings({"00", "00", "00"}), Strings({":"}), u"", u""));
    const int expected[] = {0, 0, 0, 1, 1, 2, 2, 2, 2, 2};
    for (int p = 0; p < 10; ++p) {
        field.SelectSegment(p % 2 == 0 ? 1 : 2);
        field.OnLButtonDown(p);
        EXPECT_EQ(field.GetCurrentSegment(), expected[p]) << "position " << p;
    }

    ASSERT_TRUE(field.Setup(Strings({"000", "00", "0000"}), Strings({") ", "-"}), u"(", u")"));
    // (000) 00-0000)
    const int expectedWide[] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2};
    for (int p = 0; p < 16; ++p) {
        field.OnLButtonDown(p);
        EXPECT_EQ(field.GetCurrentSegment(), expectedWide[p]) << "position " << p;
    }
}

int TypeInto(CIntSegment &segment, const char *pszKeys)
{
    for (const char *p = pszKeys; *p; ++p)
        segment.AcceptChar(static_cast<unsigned char>(*p));
    return static_cast<int>(segment.GetValue());
}

TEST(IntSegment, TypedDigitsRestartWhenTheyPassTheMaximum)
{
    struct Row {
        int nMinimum, nMaximum;
        const char *keys;
        int nValue;
    };
    const Row rows[] = {
        {0, 23, "19", 19},    {0, 23, "25", 5},      {0, 23, "193", 3},   {0, 23, "0007", 7},
        {0, 59, "99", 9},     {0, 59, "599", 9},     {0, 9999, "20245", 5}, {1, 31, "0", 0},
        {-50, 50, "-12", -12}, {-50, 50, "1-2", -12}, {-50, 50, "-12-", 12}, {-50, 50, "-60", 0},
        {-50, 50, "-7", -7},  {0, 5, "7", 0},        {0, 5, "37", 3},     {0, 5, "3", 3},
        {0, 23, "-1", 1},     {0, 23, "a1b.", 1},
    };
    for (const Row &row : rows) {
        CIntSegment segment(row.nMinimum, row.nMaximum, 1);
        EXPECT_EQ(TypeInto(segment, row.keys), row.nValue)
            << row.keys << " in " << row.nMinimum << ".." << row.nMaximum;
    }
}

TEST(IntSegment, SteppingWrapsAndForgetsTypedDigits)
{
    CIntSegment hour(0, 23, 1);
    hour.SetValue(23);
    hour.Increment();
    EXPECT_EQ(hour.GetValue(), 0.0);
    hour.Decrement();
    EXPECT_EQ(hour.GetValue(), 23.0);

    CIntSegment fives(0, 59, 5);
    fives.SetValue(55);
    fives.Increment();
    EXPECT_EQ(fives.GetValue(), 0.0);
    fives.SetValue(3);
    fives.Decrement();
    EXPECT_EQ(fives.GetValue(), 59.0);

    CIntSegment minute(0, 59, 1);
    TypeInto(minute, "1");
    minute.Increment();
    EXPECT_EQ(TypeInto(minute, "2"), 2) << "typed digits survived Increment";
    minute.Decrement();
    EXPECT_EQ(TypeInto(minute, "3"), 3) << "typed digits survived Decrement";

    CIntSegment wide(INT_MIN, INT_MAX, 1);
    wide.SetValue(INT_MAX);
    wide.Increment();
    EXPECT_EQ(wide.GetValue(), static_cast<double>(INT_MIN));
    wide.Decrement();
    EXPECT_EQ(wide.GetValue(), static_cast<double>(INT_MAX));
}

TEST(TextNumber, LeadingIntegerReadsLikeAtoi)
{
    const std::pair<const char *, int> rows[] = {
        {"12", 12}, {"07", 7}, {"ab", 0}, {"1a", 1}, {"-5", -5}, {"+5", 5}, {" 9", 9}, {"", 0},
        {"-", 0},   {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
    };
    for (auto [pszText, nValue] : rows)
        EXPECT_EQ(LeadingInteger(U16(pszText)), nValue) << pszText;
}

} // namespace
} // namespace core
