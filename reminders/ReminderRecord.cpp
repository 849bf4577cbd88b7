// ReminderRecord: setting a record, its due check and its file layout.
#include "reminders/ReminderRecord.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include <QIODevice>
#include <QtEndian>

namespace {

constexpr platform::Moment SecondsPerDay = 86400;

// Longest time before its due moment at which a record arms itself.
constexpr platform::Moment ArmingLead = 8;

// The daily difference as the check sees it. The daily reference runs on one fixed date, so a
// reminder due in the first seconds after midnight is a whole day behind a reference taken in the
// last seconds before it; only there the day is added back, so that the reminder arms before
// midnight and fires just after. Every other difference stays as it is.
platform::Moment DailyDifference(platform::Moment difference)
{
    const platform::Moment acrossMidnight = difference + SecondsPerDay;
    return acrossMidnight > 0 && acrossMidnight <= ArmingLead ? acrossMidnight : difference;
}

void AppendInt32(std::string &out, std::int32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

bool ReadExactly(QIODevice &file, char *data, qint64 size)
{
    return file.read(data, size) == size;
}

bool ReadInt32(QIODevice &file, int &value)
{
    char bytes[4];
    if (!ReadExactly(file, bytes, sizeof bytes))
        return false;
    value = qFromLittleEndian<std::int32_t>(bytes);
    return true;
}

// Reads a length-prefixed text of at most MaxTextBytes bytes.
bool ReadText(QIODevice &file, std::string &text)
{
    int length = 0;
    if (!ReadInt32(file, length) || length < 0 || length > ReminderRecord::MaxTextBytes)
        return false;
    std::array<char, ReminderRecord::MaxTextBytes> buffer;
    if (!ReadExactly(file, buffer.data(), length))
        return false;
    text.assign(buffer.data(), static_cast<std::size_t>(length));
    return true;
}

} // namespace

std::string FormatTimeKey(int year, int month, int day, int hour, int minute, int second)
{
    char text[96];
    const int length = std::snprintf(text, sizeof text, "%02d:%02d:%02d:%02d:%02d:%02d", year, month,
                                     day, hour, minute, second);
    return std::string(text, static_cast<std::size_t>(length));
}

std::string ReminderRecord::Set(int year_, int month_, int day_, int hour_, int minute_, int second_,
                                int enabled_, const std::string &message_, int kind_,
                                platform::Moment now)
{
    key = FormatTimeKey(year_, month_, day_, hour_, minute_, second_);
    year = year_;
    month = month_;
    day = day_;
    hour = hour_;
    minute = minute_;
    second = second_;
    enabled = enabled_;
    message = message_;
    kind = kind_;
    if (kind == KindToday) {
        const platform::LocalFields today = platform::ToLocal(now);
        dueTime = platform::FromLocal(today.year, today.month, today.day, hour, minute, second);
    } else if (kind == KindDaily) {
        dueTime = platform::FromLocal(1971, 1, 1, hour, minute, second);
    }
    return key;
}

bool ReminderRecord::CheckDue(platform::Moment dailyReference, platform::Moment now)
{
    if (enabled == 0)
        return false;
    platform::Moment difference = 0;
    if (kind == KindToday)
        difference = dueTime - now;
    else if (kind == KindDaily)
        difference = DailyDifference(dueTime - dailyReference);
    else
        return false;

    if (!armed) {
        if (difference >= 5 && difference <= ArmingLead)
            armed = true;
        return false;
    }
    if (difference <= 0) {
        armed = false;
        return true;
    }
    return false;
}

bool ReminderRecord::Write(QIODevice &file) const
{
    if (key.size() > MaxTextBytes || message.size() > MaxTextBytes)
        return false;
    std::string bytes;
    bytes.reserve(40 + key.size() + message.size());
    for (const int field : {enabled, year, month, day, hour, minute, second, kind})
        AppendInt32(bytes, field);
    AppendInt32(bytes, static_cast<std::int32_t>(key.size()));
    bytes += key;
    AppendInt32(bytes, static_cast<std::int32_t>(message.size()));
    bytes += message;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size()))
        == static_cast<qint64>(bytes.size());
}

bool ReminderRecord::Read(QIODevice &file, platform::Moment now)
{
    // The eight fields and the key length in one read.
    char head[36];
    if (!ReadExactly(file, head, sizeof head))
        return false;
    int fields[9];
    for (int i = 0; i < 9; ++i)
        fields[i] = qFromLittleEndian<std::int32_t>(head + 4 * i);
    const int keyLength = fields[8];
    if (keyLength < 0 || keyLength > MaxTextBytes)
        return false;
    std::array<char, MaxTextBytes> discarded;
    std::string storedMessage;
    if (!ReadExactly(file, discarded.data(), keyLength) || !ReadText(file, storedMessage))
        return false;
    const auto [enabled_, year_, month_, day_, hour_, minute_, second_, kind_, keyLength_] = fields;
    Set(year_, month_, day_, hour_, minute_, second_, enabled_, storedMessage, kind_, now);
    return true;
}
