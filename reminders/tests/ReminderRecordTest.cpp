// Tests of the time key, of setting a record and of one record's file form.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTime>

#include "TestSupport.h"
#include "reminders/ReminderRecord.h"

namespace {

QByteArray Int32Bytes(qint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<quint32>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

QByteArray RecordBytes(qint32 keyLength, const QByteArray &key, qint32 messageLength,
                       const QByteArray &message)
{
    QByteArray bytes;
    for (qint32 field : {1, 1971, 1, 1, 7, 5, 0, 1})
        bytes += Int32Bytes(field);
    bytes += Int32Bytes(keyLength) + key + Int32Bytes(messageLength) + message;
    return bytes;
}

} // namespace

TEST(TimeKey, FormatsEveryFieldZeroPaddedToTwoDigits)
{
    EXPECT_EQ(FormatTimeKey(1971, 1, 1, 7, 5, 0), "1971:01:01:07:05:00");
    EXPECT_EQ(FormatTimeKey(2008, 12, 31, 23, 59, 59), "2008:12:31:23:59:59");
    EXPECT_EQ(FormatTimeKey(5, 1, 1, 0, 0, 0), "05:01:01:00:00:00");
    EXPECT_EQ(FormatTimeKey(12345, 10, 9, 8, 7, 6), "12345:10:09:08:07:06");
}

TEST(TimeKey, PageKeyEndsInTheShownTimeAndIsRebuiltFromIt)
{
    for (int seconds = 0; seconds < 86400; seconds += 7) {
        const QTime time = QTime(0, 0).addSecs(seconds);
        const std::string key = FormatTimeKey(1971, 1, 1, time.hour(), time.minute(), time.second());
        ASSERT_EQ(key.size(), 19u);
        const std::string shown = key.substr(key.size() - 8);
        ASSERT_EQ(shown, time.toString(QStringLiteral("hh:mm:ss")).toStdString());
        ASSERT_EQ("1971:01:01:" + shown, key);
    }
}

TEST(ReminderRecordSet, DailyIsDueOnFirstOfJanuary1971WhateverTheDay)
{
    ScopedTimeZone utc("UTC0");
    const platform::Moment daily1971 = UtcMoment(1971, 1, 1, 7, 5, 0);

    ReminderRecord record;
    EXPECT_EQ(record.key, "");
    EXPECT_EQ(record.message, "");
    EXPECT_FALSE(record.armed);
    for (const platform::Moment now : {UtcMoment(2008, 3, 14, 1, 0, 0), UtcMoment(2026, 12, 31, 23, 59, 59)}) {
        record.armed = true;
        const std::string key = record.Set(1971, 1, 1, 7, 5, 0, 1, "wake", ReminderRecord::KindDaily, now);
        EXPECT_EQ(key, "1971:01:01:07:05:00");
        EXPECT_EQ(record.key, key);
        EXPECT_EQ(record.dueTime, daily1971);
        EXPECT_TRUE(record.armed) << "Set leaves the arming state alone";
    }
    EXPECT_EQ(record.hour, 7);
    EXPECT_EQ(record.minute, 5);
    EXPECT_EQ(record.second, 0);
    EXPECT_EQ(record.year, 1971);
    EXPECT_EQ(record.month, 1);
    EXPECT_EQ(record.day, 1);
    EXPECT_EQ(record.enabled, 1);
    EXPECT_EQ(record.kind, ReminderRecord::KindDaily);
    EXPECT_EQ(record.message, "wake");

    ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    record.Set(1971, 1, 1, 7, 5, 0, 1, "wake", ReminderRecord::KindDaily, UtcMoment(2026, 7, 1, 12, 0, 0));
    EXPECT_EQ(record.dueTime, daily1971 - 3600) << "local time, winter offset of 1971-01-01";
}

TEST(ReminderRecordSet, TodayIsDueOnTheLocalDateOfNowWhateverTheKeyDate)
{
    {
        ScopedTimeZone utc("UTC0");
        ReminderRecord record;
        const std::string key = record.Set(1999, 9, 9, 7, 5, 0, 1, "m", ReminderRecord::KindToday,
                                           UtcMoment(2008, 3, 14, 23, 59, 0));
        EXPECT_EQ(key, "1999:09:09:07:05:00");
        EXPECT_EQ(record.dueTime, UtcMoment(2008, 3, 14, 7, 5, 0));
    }
    {
        // 20:00 UTC on the 13th is already 05:00 on the 14th nine hours east.
        ScopedTimeZone tokyo("JST-9");
        ReminderRecord record;
        record.Set(1971, 1, 1, 7, 5, 0, 1, "m", ReminderRecord::KindToday, UtcMoment(2008, 3, 13, 20, 0, 0));
        EXPECT_EQ(record.dueTime, UtcMoment(2008, 3, 13, 22, 5, 0));
    }
}

TEST(ReminderRecordSet, OtherKindsKeepTheirDueMoment)
{
    ScopedTimeZone utc("UTC0");
    ReminderRecord record;
    record.dueTime = 12345;
    const std::string key = record.Set(1971, 1, 1, 7, 5, 0, 1, "x", 2, UtcMoment(2020, 1, 1, 0, 0, 0));
    EXPECT_EQ(key, "1971:01:01:07:05:00");
    EXPECT_EQ(record.kind, 2);
    EXPECT_EQ(record.dueTime, 12345);
}

TEST(ReminderRecordFile, WritesAndReadsTextsUpTo255BytesAndNoLonger)
{
    ScopedTimeZone utc("UTC0");
    ReminderRecord record;
    const std::string longest(255, '\xB0');
    record.Set(1971, 1, 1, 23, 0, 1, 0, longest, 2, 0);

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(record.Write(buffer));
    EXPECT_EQ(buffer.size(), 40 + 19 + 255);

    buffer.seek(0);
    ReminderRecord read;
    ASSERT_TRUE(read.Read(buffer, 0));
    EXPECT_EQ(read.key, "1971:01:01:23:00:01");
    EXPECT_EQ(read.message, longest);
    EXPECT_EQ(read.enabled, 0);
    EXPECT_EQ(read.kind, 2);
    EXPECT_FALSE(read.armed);

    record.message.push_back('x');
    QBuffer refused;
    refused.open(QIODevice::WriteOnly);
    EXPECT_FALSE(record.Write(refused));
    EXPECT_EQ(refused.size(), 0) << "nothing of a refused record is written";
}

TEST(ReminderRecordFile, ReadRefusesShortDataAndBadLengthsAndLeavesTheRecordAlone)
{
    const QByteArray key("1971:01:01:07:05:00");
    const QByteArray good = RecordBytes(19, key, 4, "abcd");
    const struct {
        const char *what;
        QByteArray bytes;
    } damaged[] = {
        {"empty", QByteArray()},
        {"cut in the fields", good.left(27)},
        {"cut in the key", good.left(40)},
        {"cut in the message length", good.left(36 + 19 + 2)},
        {"cut in the message", good.left(good.size() - 1)},
        {"negative key length", RecordBytes(-1, key, 4, "abcd")},
        {"key length 256", RecordBytes(256, QByteArray(256, 'k'), 4, "abcd")},
        {"negative message length", RecordBytes(19, key, -5, "abcd")},
        {"message length 256", RecordBytes(19, key, 256, QByteArray(256, 'm'))},
        {"huge message length", RecordBytes(19, key, 0x7FFFFFFF, "abcd")},
    };
    for (const auto &c : damaged) {
        QBuffer buffer;
        buffer.setData(c.bytes);
        buffer.open(QIODevice::ReadOnly);
        ReminderRecord record;
        record.message = "untouched";
        EXPECT_FALSE(record.Read(buffer, 0)) << c.what;
        EXPECT_EQ(record.message, "untouched") << c.what;
        EXPECT_EQ(record.key, "") << c.what;
    }

    QBuffer buffer;
    buffer.setData(good);
    buffer.open(QIODevice::ReadOnly);
    ReminderRecord record;
    EXPECT_TRUE(record.Read(buffer, 0));
    EXPECT_EQ(record.message, "abcd");
    EXPECT_TRUE(buffer.atEnd());
}
