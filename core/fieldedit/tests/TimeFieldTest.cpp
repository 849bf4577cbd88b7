// Tests of the time-of-day field's rules: key sequences, automatic advance, reading a time text.
#include <tuple>

#include <gtest/gtest.h>

#include "core/fieldedit/TimeField.h"
#include "core/fieldedit/tests/KeyScript.h"

namespace core {
namespace {

TEST(TimeField, KeySequences)
{
    const KeyRow rows[] = {
        {"", "00:00:00", 0},
        {"1", "01:00:00", 0},
        {"12", "12:00:00", 1},
        {"1230", "12:30:00", 2},
        {"123045", "12:30:45", 2},
        {"12304567", "12:30:07", 2},
        {"7", "07:00:00", 0},
        {"25", "05:00:00", 1},
        {"193", "19:03:00", 1},
        {"0007", "00:07:00", 2},
        {"{Right}99", "00:09:00", 2},
        {"{Left}123", "00:00:03", 2},
        {"{Up}", "01:00:00", 0},
        {"{Down}", "23:00:00", 0},
        {"23{Left}{Up}", "00:00:00", 0},
        {"{Right}{Down}", "00:59:00", 1},
        {"{Right}59{Left}{Up}", "00:00:00", 1},
        {"{Left}{Down}{Down}", "00:00:58", 2},
        {"12{Left}{Back}", "00:00:00", 0},
        {"12{Left}{Del}", "00:00:00", 0},
        {"1{Back}2", "02:00:00", 0},
        {"1{Del}2", "02:00:00", 0},
        {"1{Up}2", "02:00:00", 0},
        {"{Right}4{Down}5", "00:05:00", 1},
        {"1{Right}{Left}5", "15:00:00", 1},
        {"1{Right}3{Left}{Left}{Left}4", "01:34:00", 2},
        {"{Left}", "00:00:00", 2},
        {"{Left}{Right}", "00:00:00", 0},
        {"{Left}{Space}", "00:00:00", 0},
        {" ", "00:00:00", 1},
        {"{Right}{Right}{Right}", "00:00:00", 0},
        {"-", "00:00:00", 0},
        {"ab-x", "00:00:00", 0},
        {"1-a2", "12:00:00", 1},
        {"{Right}-5-:9", "00:59:00", 2},
        {"{Home}8", "08:00:00", 0},
    };
    CheckRows<TimeField>(rows);
}

TEST(TimeField, KeysWithCommandModifiersTypeNothing)
{
    struct Row {
        FieldKey key;
        const char16_t *typed;
        bool bCommand;
        const char *text;
        int nSegment;
    };
    const Row rows[] = {
        {FieldKey::Other, u"5", false, "15:00:00", 1},  {FieldKey::Other, u"5", true, "01:00:00", 0},
        {FieldKey::Back, u"\b", true, "00:00:00", 0},   {FieldKey::Right, u"", true, "01:00:00", 1},
        {FieldKey::Other, u"\x16", false, "01:00:00", 0}, {FieldKey::Delete, u"7", false, "00:00:00", 0},
    };
    for (const Row &row : rows) {
        TimeField field;
        PlayKeys(field, "1");
        PressKey(field, row.key, row.typed, row.bCommand);
        EXPECT_EQ(Narrow(field.ComposeText()), row.text) << Narrow(row.typed) << " command " << row.bCommand;
        EXPECT_EQ(field.GetCurrentSegment(), row.nSegment) << Narrow(row.typed) << " command " << row.bCommand;
    }
}

TEST(TimeField, GetTimeReadsTheSegments)
{
    TimeField field;
    int nHour = -1, nMinute = -1, nSecond = -1;
    PlayKeys(field, "072{Down}{Right}{Up}{Up}");
    field.GetTime(nHour, nMinute, nSecond);
    EXPECT_EQ(Narrow(field.ComposeText()), "07:01:02");
    EXPECT_EQ(std::make_tuple(nHour, nMinute, nSecond), std::make_tuple(7, 1, 2));
}

TEST(TimeField, SetTimeReadsTheLastEightCharacters)
{
    struct Row {
        const char *input;
        bool bResult;
        const char *text;
    };
    const Row rows[] = {
        {"12:34:56", true, "12:34:56"},
        {"Reminder at 12:34:56", true, "12:34:56"},
        {"12 34 56", true, "12:34:56"},
        {"123456", true, "12:34:56"},
        {"25:61:30", true, "11:22:30"},
        {"ab:cd:ef", true, "00:00:00"},
        {"-1:02:03", true, "11:02:03"},
        {"12:34", false, "11:22:33"},
        {"1:2:3", false, "11:22:33"},
        {"", false, "11:22:33"},
        {"12-34-56", false, "11:22:33"},
        {"12:34:567", true, "23:45:33"},
    };
    for (const Row &row : rows) {
        TimeField field;
        ASSERT_TRUE(field.SetTime(u"11:22:33"));
        EXPECT_EQ(field.SetTime(U16(row.input)), row.bResult) << row.input;
        EXPECT_EQ(Narrow(field.ComposeText()), row.text) << row.input;
    }
}

TEST(TimeField, SetTimeKeepsTheCurrentSegmentAndKeystrokeCount)
{
    TimeField field;
    PlayKeys(field, "{Right}3");
    ASSERT_TRUE(field.SetTime(u"10:20:30"));
    EXPECT_EQ(field.GetCurrentSegment(), 1);
    PlayKeys(field, "4");
    EXPECT_EQ(Narrow(field.ComposeText()), "10:04:30") << "SetTime empties the typed digits";
    EXPECT_EQ(field.GetCurrentSegment(), 2) << "the keystroke count survived SetTime";
}

} // namespace
} // namespace core
