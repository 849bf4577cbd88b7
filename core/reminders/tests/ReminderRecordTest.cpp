// Tests of the time key, of setting a record, and of the longest texts a record file holds.
#include <gtest/gtest.h>

#include <tuple>


#include "core/reminders/tests/TestSupport.h"
#include "core/reminders/ReminderRecord.h"

TEST(TimeKey, FormatsZeroPaddedFields)
{
    EXPECT_EQ(FormatTimeKey(1971, 1, 1, 7, 5, 0), "1971:01:01:07:05:00");
    EXPECT_EQ(FormatTimeKey(2008, 12, 31, 23, 59, 59), "2008:12:31:23:59:59");
    EXPECT_EQ(FormatTimeKey(5, 1, 1, 0, 0, 9), "05:01:01:00:00:09");
}

TEST(ReminderRecordSet, DueMomentFollowsTheKind)
{
    ScopedTimeZone utc("UTC0");
    ReminderRecord record;
    EXPECT_TRUE(record.key.empty() && record.message.empty() && !record.armed);

    // Daily: 1971-01-01 at its time, whatever the day it is set on; the arming state is kept.
    for (const platform::Moment now : {UtcMoment(2008, 3, 14, 1, 0, 0), UtcMoment(2026, 12, 31, 23, 59, 59)}) {
        record.armed = true;
        EXPECT_EQ(record.Set(1971, 1, 1, 7, 5, 0, 1, "wake", ReminderRecord::KindDaily, now), "1971:01:01:07:05:00");
        EXPECT_EQ(record.key, "1971:01:01:07:05:00");
        EXPECT_EQ(record.dueTime, UtcMoment(1971, 1, 1, 7, 5, 0));
        EXPECT_TRUE(record.armed);
    }
    EXPECT_EQ(std::tie(record.year, record.month, record.day, record.hour, record.minute, record.second,
                       record.enabled, record.kind),
              std::make_tuple(1971, 1, 1, 7, 5, 0, 1, 1));
    EXPECT_EQ(record.message, "wake");

    // Today: the date of `now`, whatever date the key carries.
    EXPECT_EQ(record.Set(1999, 9, 9, 7, 5, 0, 1, "m", ReminderRecord::KindToday, UtcMoment(2008, 3, 14, 23, 59, 0)),
              "1999:09:09:07:05:00");
    EXPECT_EQ(record.dueTime, UtcMoment(2008, 3, 14, 7, 5, 0));

    // Other kinds leave the due moment alone.
    record.dueTime = 12345;
    EXPECT_EQ(record.Set(1971, 1, 1, 8, 0, 0, 1, "x", 2, UtcMoment(2020, 1, 1, 0, 0, 0)), "1971:01:01:08:00:00");
    EXPECT_EQ(record.dueTime, 12345);
}

TEST(ReminderRecordSet, UsesLocalTime)
{
    ReminderRecord record;
    ScopedTimeZone tokyo("JST-9");
    // 20:00 UTC on the 13th is already the 14th in Tokyo.
    record.Set(1971, 1, 1, 7, 5, 0, 1, "m", ReminderRecord::KindToday, UtcMoment(2008, 3, 13, 20, 0, 0));
    EXPECT_EQ(record.dueTime, UtcMoment(2008, 3, 13, 22, 5, 0));
    record.Set(1971, 1, 1, 7, 5, 0, 1, "m", ReminderRecord::KindDaily, 0);
    EXPECT_EQ(record.dueTime, UtcMoment(1970, 12, 31, 22, 5, 0));
}

TEST(ReminderRecordFile, HoldsTextsOf255BytesAndRefusesLongerOnes)
{
    ReminderRecord record;
    const std::string longest(255, '\xB0');
    record.Set(1971, 1, 1, 23, 0, 1, 0, longest, 2, 0);
    std::string buffer = "before";
    ASSERT_TRUE(record.Write(buffer));
    EXPECT_EQ(buffer.size(), 6 + 40 + 19 + 255);
    std::string_view in = std::string_view(buffer).substr(6);
    ReminderRecord read;
    ASSERT_TRUE(read.Read(in, 0));
    EXPECT_TRUE(in.empty());
    EXPECT_EQ(std::tie(read.key, read.message, read.enabled, read.kind),
              std::make_tuple(std::string("1971:01:01:23:00:01"), longest, 0, 2));

    record.message.push_back('x');
    std::string refused;
    EXPECT_FALSE(record.Write(refused));
    EXPECT_EQ(refused.size(), 0u) << "nothing of a refused record is written";
}
