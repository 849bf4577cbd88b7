// ReminderRecord: setting a record, its due check and its file layout.
#include "core/reminders/ReminderRecord.h"

#include <cstdint>
#include <cstdio>


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
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((bits >> shift) & 0xFF);
}

std::int32_t Int32At(const char *bytes)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<std::int32_t>(bits);
}

// Takes `size` bytes from the front of `in`, or nothing when fewer are left.
bool Take(std::string_view &in, std::size_t size, std::string_view &taken)
{
    if (in.size() < size)
        return false;
    taken = in.substr(0, size);
    in.remove_prefix(size);
    return true;
}

// Reads an int32 length and that many bytes, at most MaxTextBytes.
bool ReadText(std::string_view &in, std::string_view &text)
{
    std::string_view length;
    if (!Take(in, 4, length))
        return false;
    const std::int32_t size = Int32At(length.data());
    return size >= 0 && size <= ReminderRecord::MaxTextBytes && Take(in, static_cast<std::size_t>(size), text);
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

bool ReminderRecord::Write(std::string &out) const
{
    if (key.size() > MaxTextBytes || message.size() > MaxTextBytes)
        return false;
    out.reserve(out.size() + 40 + key.size() + message.size());
    for (const int field : {enabled, year, month, day, hour, minute, second, kind})
        AppendInt32(out, field);
    AppendInt32(out, static_cast<std::int32_t>(key.size()));
    out += key;
    AppendInt32(out, static_cast<std::int32_t>(message.size()));
    out += message;
    return true;
}

bool ReminderRecord::Read(std::string_view &in, platform::Moment now)
{
    std::string_view rest = in;
    // The eight fields, then the stored key (thrown away) and the message.
    std::string_view head, storedKey, storedMessage;
    if (!Take(rest, 32, head) || !ReadText(rest, storedKey) || !ReadText(rest, storedMessage))
        return false;
    int fields[8];
    for (int i = 0; i < 8; ++i)
        fields[i] = Int32At(head.data() + 4 * i);
    const auto [enabled_, year_, month_, day_, hour_, minute_, second_, kind_] = fields;
    Set(year_, month_, day_, hour_, minute_, second_, enabled_, std::string(storedMessage), kind_, now);
    in = rest;
    return true;
}
