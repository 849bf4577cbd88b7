// Tests of the further field kinds' rules and of the real, name and text segments.
#include <cmath>
#include <ios>
#include <functional>
#include <limits>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "core/fieldedit/FieldKinds.h"
#include "core/fieldedit/TimeField.h"
#include "core/fieldedit/tests/ControlRows.h"
#include "core/fieldedit/tests/KeyScript.h"

namespace core {
namespace {

TEST(TextNumberField, KeySequences)
{
    CheckRows<TextNumberField>({
        {"", "             0000", 0},
        {"Apples", "Apples       0000", 0},
        {"ABCDEFGHIJKLMN", "ABCDEFGHIJKL 0000", 0},
        {"abc{Back}", "ab           0000", 0},
        {"abc{Back}{Back}{Back}{Back}d", "d            0000", 0},
        {"abc{Del}", "             0000", 0},
        {"abc{Up}{Down}", "abc          0000", 0},
        {"{Right}42", "             0042", 1},
        {"{Right}42{Back}", "             0000", 1},
        {"{Right}42 ", "             0042", 0},
        {"{Right}42x-", "             0042", 1},
        {"{Right}{Down}", "             9999", 1},
        {"{Right}{Left}x", "x            0000", 0},
        {"{Left}{Left}", "             0000", 0},
    });
}

TEST(TextNumberField, WholeValue)
{
    TextNumberField field;
    EXPECT_TRUE(field.SetValue(u"Pears", 17));
    EXPECT_EQ(Narrow(field.ComposeText()), "Pears        0017");
    EXPECT_EQ(Narrow(field.GetText()), "Pears");
    EXPECT_EQ(field.GetNumber(), 17);
    EXPECT_FALSE(field.SetValue(u"thirteen long", 1));
    EXPECT_FALSE(field.SetValue(u"tab\there", 1));
    EXPECT_FALSE(field.SetValue(u"ok", 10000));
    EXPECT_FALSE(field.SetValue(u"ok", -1));
    EXPECT_EQ(Narrow(field.ComposeText()), "Pears        0017");
}

TEST(YearMonthField, KeySequencesCarryAndBorrow)
{
    CheckRows<YearMonthField>({
        {"", "0000-00", 0},
        {"2024", "2024-00", 0},
        {"2024{Right}5", "2024-05", 1},
        {"2024{Right}11{Up}", "2025-00", 1},
        {"2024{Right}{Down}", "2023-11", 1},
        {"2024{Right}10{Up}", "2024-11", 1},
        {"2024{Right}1{Down}", "2024-00", 1},
        {"{Down}", "9999-00", 0},
        {"{Right}{Down}", "9999-11", 1},
        {"9999{Right}11{Up}", "0000-00", 1},
        {"2024{Back}{Del}", "2024-00", 0},
        {"{Right}7{Back}{Del}", "0000-07", 1},
        {"{Right}12", "0000-02", 1},
    });

    YearMonthField field;
    EXPECT_TRUE(field.SetValue(1999, 11));
    EXPECT_EQ(Narrow(field.ComposeText()), "1999-11");
    EXPECT_FALSE(field.SetValue(2000, 12));
    EXPECT_FALSE(field.SetValue(10000, 0));
    EXPECT_FALSE(field.SetValue(2000, -1));
    EXPECT_EQ(field.GetYear(), 1999);
    EXPECT_EQ(field.GetMonthIndex(), 11);
}

TEST(NumberPairField, KeySequences)
{
    CheckRows<NumberPairField>({
        {"12{Right}34", "12/34", 1},
        {"1234", "34/00", 0},
        {"123", "03/00", 0},
        {"12{Del}", "01/00", 0},
        {"{Right}{Del}", "00/01", 1},
        {"12{Back}", "12/00", 0},
        {"{Up}", "01/00", 0},
        {"{Down}", "99/00", 0},
        {"{Right}{Down}{Down}", "00/98", 1},
    });

    NumberPairField field;
    EXPECT_TRUE(field.SetValue(7, 99));
    EXPECT_FALSE(field.SetValue(100, 1));
    EXPECT_EQ(field.GetFirst(), 7);
    EXPECT_EQ(field.GetSecond(), 99);
}

TEST(MonthDayField, KeySequences)
{
    CheckRows<MonthDayField>({
        {"", "January   01", 0},
        {"{Up}", "February  01", 0},
        {"{Down}", "December  01", 0},
        {"{Up}{Up}{Del}", "January   01", 0},
        {"{Up}{Back}", "February  01", 0},
        {"may", "May       01", 0},
        {"jj", "June      01", 0},
        {"jjjj", "January   01", 0},
        {"ju", "June      01", 0},
        {"jul", "July      01", 0},
        {"s", "September 01", 0},
        {"ax", "April     01", 0},
        {"x7", "January   01", 0},
        {"{Right}15", "January   15", 1},
        {"{Right}45", "January   05", 1},
        {"{Right}0", "January   00", 1},
        {"{Right}{Down}", "January   31", 1},
        {"{Right}25{Del}", "January   01", 1},
        {"{Right}25{Back}", "January   25", 1},
        {"{Right}m", "January   01", 1},
    });
}

TEST(MonthDayField, OtherNameLists)
{
    MonthDayField seasons({u"Spring", u"Summer"});
    PlayKeys(seasons, "{Up}{Del}");
    EXPECT_EQ(Narrow(seasons.ComposeText()), "Summer    01") << "Delete without January leaves the name";
    PlayKeys(seasons, "{Up}");
    EXPECT_EQ(Narrow(seasons.ComposeText()), "Spring    01");

    MonthDayField empty{std::vector<std::u16string>()};
    EXPECT_EQ(Narrow(empty.ComposeText()), "          01");
    PlayKeys(empty, "{Up}{Down}{Del}ab");
    EXPECT_EQ(Narrow(empty.ComposeText()), "          01");
    EXPECT_EQ(Narrow(empty.GetMonthName()), "");
    EXPECT_FALSE(empty.SetValue(0, 5));

    MonthDayField months;
    EXPECT_TRUE(months.SetValue(11, 24));
    EXPECT_EQ(Narrow(months.ComposeText()), "December  24");
    EXPECT_EQ(months.GetMonthIndex(), 11);
    EXPECT_FALSE(months.SetValue(12, 1));
    EXPECT_FALSE(months.SetValue(0, 0));
    EXPECT_FALSE(months.SetValue(0, 32));
    EXPECT_EQ(Narrow(months.GetMonthName()), "December");
    EXPECT_EQ(months.GetDay(), 24);
}

TEST(Number32Field, KeySequences)
{
    CheckRows<Number32Field>({
        {"123{Right}45", "123-45", 1},
        {"1234", "004-00", 0},
        {"007", "007-00", 0},
        {"12{Back}", "000-00", 0},
        {"{Right}7{Del}", "000-00", 1},
        {"{Down}", "999-00", 0},
        {"{Right}{Down}", "000-99", 1},
        {"{Right}{Up}", "000-01", 1},
    });

    Number32Field field;
    EXPECT_TRUE(field.SetValue(999, 99));
    EXPECT_FALSE(field.SetValue(1000, 0));
    EXPECT_FALSE(field.SetValue(0, 100));
    EXPECT_EQ(Narrow(field.ComposeText()), "999-99");
}

TEST(Digits334Field, KeySequences)
{
    CheckRows<Digits334Field>({
        {"", "(000) 000-0000", 0},
        {"555{Right}123{Right}4567", "(555) 123-4567", 2},
        {"555123", "(123) 000-0000", 0},
        {"{Left}{Down}", "(000) 000-9999", 2},
        {"{Right}42{Back}", "(000) 000-0000", 1},
        {"{Right}42{Del}", "(000) 000-0000", 1},
        {"{Up}", "(001) 000-0000", 0},
    });

    Digits334Field field;
    EXPECT_TRUE(field.SetDigits(u"0123456789"));
    EXPECT_EQ(Narrow(field.ComposeText()), "(012) 345-6789");
    EXPECT_EQ(Narrow(field.GetDigits()), "0123456789");
    for (const char *bad : {"012345678", "01234567890", "(012) 345-6789", "01234a6789", ""})
        EXPECT_FALSE(field.SetDigits(U16(bad))) << bad;
    EXPECT_EQ(Narrow(field.GetDigits()), "0123456789");
}

TEST(Digits324Field, KeySequencesAdvanceByThemselves)
{
    CheckRows<Digits324Field>({
        {"1", "001-00-0000", 0},
        {"123", "123-00-0000", 1},
        {"12345", "123-45-0000", 2},
        {"123456789", "123-45-6789", 2},
        {"1234567890", "123-45-0000", 2},
        {"12{Back}3", "003-00-0000", 0},
        {"12{Up}34", "034-00-0000", 0},
        {"123{Left}4", "004-00-0000", 0},
        {"{Right}1{Right}{Left}2", "000-12-0000", 2},
        {"{Right}1{Up}2", "000-02-0000", 1},
        {"{Left}12345", "000-00-0005", 2},
        {"1a-2", "012-00-0000", 0},
    });

    Digits324Field field;
    EXPECT_TRUE(field.SetDigits(u"078051120"));
    EXPECT_EQ(Narrow(field.ComposeText()), "078-05-1120");
    EXPECT_EQ(Narrow(field.GetDigits()), "078051120");
    EXPECT_FALSE(field.SetDigits(u"078-05-1120"));
    EXPECT_FALSE(field.SetDigits(u"0780511200"));
    EXPECT_EQ(Narrow(field.GetDigits()), "078051120");
}

TEST(RealPairField, KeySequences)
{
    CheckRows<RealPairField>({
        {"", "( 0000.00, 0000.00)", 0},
        {"12.5", "( 0012.50, 0000.00)", 0},
        {"-3.456", "(-0003.45, 0000.00)", 0},
        {"-5", "(-0005.00, 0000.00)", 0},
        {"-5-", "( 0005.00, 0000.00)", 0},
        {"1..2", "( 0001.20, 0000.00)", 0},
        {".05", "( 0000.05, 0000.00)", 0},
        {"99999", "( 0009.00, 0000.00)", 0},
        {"9999.99", "( 9999.99, 0000.00)", 0},
        {"12.5{Del}", "( 0000.00, 0000.00)", 0},
        {"{Down}", "(-0001.00, 0000.00)", 0},
        {"0.5{Down}", "(-0000.50, 0000.00)", 0},
        {"{Right}{Down}{Down}", "( 0000.00,-0002.00)", 1},
        {"{Right}7.25 3", "( 0003.00, 0007.25)", 0},
        {"{Down}4", "(-0004.00, 0000.00)", 0},
        {"a+e", "( 0000.00, 0000.00)", 0},
    });
}

TEST(RealPairField, RoundingAndWholeValue)
{
    RealPairField field;
    EXPECT_TRUE(field.SetValue(-3.456, 2.125));
    EXPECT_EQ(Narrow(field.ComposeText()), "(-0003.46, 0002.13)");
    EXPECT_DOUBLE_EQ(field.GetFirst(), -3.46);
    EXPECT_DOUBLE_EQ(field.GetSecond(), 2.13);
    EXPECT_TRUE(field.SetValue(-2.125, -0.001));
    EXPECT_EQ(Narrow(field.ComposeText()), "(-0002.12, 0000.00)");
    EXPECT_FALSE(std::signbit(field.GetSecond())) << "a value rounded to 0 shows without a sign";

    EXPECT_TRUE(field.SetValue(9999.5, -9999.99));
    PlayKeys(field, "{Up}{Right}{Down}");
    EXPECT_EQ(Narrow(field.ComposeText()), "(-9999.99, 9999.99)");

    const double dNan = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(field.SetValue(dNan, 0));
    EXPECT_FALSE(field.SetValue(0, dInf));
    EXPECT_FALSE(field.SetValue(10000, 0));
    EXPECT_FALSE(field.SetValue(0, -9999.995));
    EXPECT_EQ(Narrow(field.ComposeText()), "(-9999.99, 9999.99)");
}

TEST(RealSegment, SetValueRoundsAndChecksTheRange)
{
    CRealSegment segment(-10, 10, 0.5, 2);
    const std::pair<double, double> rows[] = {
        {-3.456, -3.46}, {2.125, 2.13}, {-2.125, -2.12}, {0.004, 0.0}, {-0.004, 0.0}, {9.999, 10.0}, {10.0, 10.0},
    };
    for (auto [dInput, dExpected] : rows) {
        segment.SetValue(dInput);
        EXPECT_DOUBLE_EQ(segment.GetValue(), dExpected) << dInput;
    }
    segment.SetValue(1.5);
    for (double dBad : {10.001, -10.5, std::numeric_limits<double>::quiet_NaN()})
        segment.SetValue(dBad);
    EXPECT_DOUBLE_EQ(segment.GetValue(), 1.5);

    segment.Increment();
    EXPECT_DOUBLE_EQ(segment.GetValue(), 2.0);
    segment.SetValue(9.75);
    segment.Increment();
    EXPECT_DOUBLE_EQ(segment.GetValue(), -10.0);
    segment.Decrement();
    EXPECT_DOUBLE_EQ(segment.GetValue(), 10.0);
    segment.Reset();
    EXPECT_DOUBLE_EQ(segment.GetValue(), -10.0);

    CRealSegment positive(0, 100, 1, 1);
    EXPECT_FALSE(positive.AcceptChar(U'-'));
    EXPECT_TRUE(positive.AcceptChar(U'4'));
    EXPECT_TRUE(positive.AcceptChar(U'.'));
    EXPECT_TRUE(positive.AcceptChar(U'2'));
    EXPECT_FALSE(positive.AcceptChar(U'9')) << "only one decimal is kept";
    EXPECT_DOUBLE_EQ(positive.GetValue(), 4.2);
}

TEST(TextSegment, TakesOnlyCharactersThatShow)
{
    const std::pair<char32_t, bool> rows[] = {
        {U'a', true},     {U' ', true},      {U'~', true},      {0x00E9, true},  {0x4E2D, true},  {0xFF21, true},
        {U'\t', false},   {0x7F, false},     {0x85, false},     {0x00AD, false}, {0x200B, false}, {0x202E, false},
        {0xFEFF, false},  {0xD800, false},   {0xE000, false},   {0xFFFE, false}, {0x1F600, false},
    };
    for (auto [ch, bTaken] : rows) {
        CTextSegment segment(4);
        EXPECT_EQ(segment.AcceptChar(ch), bTaken) << std::hex << static_cast<unsigned>(ch);
        EXPECT_EQ(segment.SetText(std::u16string(1, static_cast<char16_t>(ch))), bTaken && ch <= 0xFFFF)
            << std::hex << static_cast<unsigned>(ch);
    }
}

TEST(FieldControls, RowsOfTheFrontEndsControls)
{
    const std::map<std::string, std::function<std::unique_ptr<FieldModel>()>> make = {
        {"CTimeEdit", [] { return std::make_unique<TimeField>(); }},
        {"CTextNumberEdit", [] { return std::make_unique<TextNumberField>(); }},
        {"CYearMonthEdit", [] { return std::make_unique<YearMonthField>(); }},
        {"CNumberPairEdit", [] { return std::make_unique<NumberPairField>(); }},
        {"CMonthDayEdit", [] { return std::make_unique<MonthDayField>(); }},
        {"CNumber32Edit", [] { return std::make_unique<Number32Field>(); }},
        {"CDigits334Edit", [] { return std::make_unique<Digits334Field>(); }},
        {"CDigits324Edit", [] { return std::make_unique<Digits324Field>(); }},
        {"CRealPairEdit", [] { return std::make_unique<RealPairField>(); }},
    };
    for (const ControlRow &row : kControlRows) {
        const std::unique_ptr<FieldModel> field = make.at(row.kind)();
        PlayKeys(*field, row.keys);
        const SegmentRange range = field->GetCurrentRange();
        EXPECT_EQ(Narrow(field->ComposeText()), row.text) << row.kind << " " << row.keys;
        EXPECT_EQ(std::to_string(range.nStart) + "+" + std::to_string(range.nEnd - range.nStart), row.selection)
            << row.kind << " " << row.keys;
    }
}

TEST(FieldControls, CharactersApartFromTheirKeys)
{
    // Character messages and input-method text: the backspace character edits, other controls and
    // everything typed as a shortcut are dropped.
    const struct {
        std::u16string typed;
        bool bCommand;
        const char *text;
    } rows[] = {
        {u"ab\bc", false, "ac           0000"},
        {u"x\x16y\x7f", false, "xy           0000"},
        {u"xy", true, "             0000"},
        {u"\x4e2d\xfeff", false, "?            0000"},
    };
    for (const auto &row : rows) {
        TextNumberField field;
        TypeText(field, row.typed, row.bCommand);
        EXPECT_EQ(Narrow(field.ComposeText()), row.text) << Narrow(row.typed);
    }
}

} // namespace
} // namespace core
