// ReminderRecord: one reminder (time of day, enabled flag, GBK message), its time key and due moment.
#pragma once

#include <string>
#include <string_view>

#include "core/time/LocalTime.h"


// The time key "YYYY:MM:DD:HH:MM:SS": each number in decimal, zero-padded to at least two digits.
// Reminders made by the program use the date 1971-01-01, e.g. "1971:01:01:07:05:00".
std::string FormatTimeKey(int year, int month, int day, int hour, int minute, int second);

class ReminderRecord
{
public:
    // Values of `kind`. Other values are stored, keyed and written like these but never fire.
    enum Kind : int {
        KindToday = 0, // due once, on the local date at which Set last ran
        KindDaily = 1, // due every day at hour:minute:second
    };

    // Longest key or message the file format holds, in bytes.
    static constexpr int MaxTextBytes = 255;

    ReminderRecord() = default;
    virtual ~ReminderRecord() = default;

    // Fills the record and returns a copy of its new key. `armed` is left as it is.
    // KindToday: dueTime = the local date of `now` at hour:minute:second.
    // KindDaily: dueTime = local 1971-01-01 at hour:minute:second.
    // Any other kind: dueTime stays as it was.
    std::string Set(int year, int month, int day, int hour, int minute, int second, int enabled,
                    const std::string &message, int kind, platform::Moment now);

    // The arm-and-fire rule, run once per second change. `dailyReference` is local 1971-01-01 at
    // the current time of day (compared with KindDaily records), `now` the current moment
    // (compared with KindToday records). Arms at 5..8 seconds before the due moment; an armed
    // record fires, and disarms, at the first check at or after it. A daily reminder due up to
    // 8 seconds after midnight is compared across midnight in the last seconds before it, so it
    // arms then and fires just after midnight.
    // Returns true when the record fired.
    bool CheckDue(platform::Moment dailyReference, platform::Moment now);

    // Writes the record in its file layout (eight little-endian int32 fields, then the key and the
    // message, each preceded by its int32 length). Returns false, having written nothing, when
    // the key or the message is longer than MaxTextBytes. The bytes are appended to `out`.
    bool Write(std::string &out) const;

    // Reads one record in the file layout and Sets this record from it (the stored key is read
    // and thrown away; the key is rebuilt from the fields; `now` serves KindToday).
    // Returns false, leaving the record untouched, when the data ends early or a length lies
    // outside 0..MaxTextBytes.
    // `in` then starts after the record.
    bool Read(std::string_view &in, platform::Moment now);

    platform::Moment dueTime = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int enabled = 0;   // 0 disabled, non-zero enabled; written as stored
    bool armed = false; // arming state of the due check; never stored
    std::string key;
    int kind = KindDaily;
    std::string message; // GBK bytes, never re-encoded
};
