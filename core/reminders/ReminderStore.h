// The reminder file "notify.dat": magic "NOTIFYS", an int32 count, then the records in map order.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/time/LocalTime.h"
#include "core/reminders/ReminderMap.h"

// Outcome of reading a reminder file.
enum class LoadResult {
    Loaded,       // every record the count announced was read (a count of 0 included)
    NoFile,       // the file could not be opened (for example it does not exist yet)
    NotReminders, // the first seven bytes are not "NOTIFYS"
    BadCount,     // the count is missing or negative; no records were read
    Damaged,      // a record ended early or had a length outside 0..255; the ones before it were kept
};

// A one-line description of a load outcome for the log.
std::string DescribeLoadResult(LoadResult result);

// Appends the magic, the count and every record in traversal order to `out`. Returns false when
// a record cannot be written (a text over 255 bytes).
bool WriteReminders(const ReminderMap &map, std::string &out);

// Reads a whole file's bytes into `map`: each record replaces one held under the same key, so the file's
// last record for a key wins. Never allocates by a count or length from the file.
LoadResult ReadReminders(ReminderMap &map, std::string_view bytes, platform::Moment now);

// Saves the whole map to `path` without ever losing the old file: the data goes to a temporary
// file in the same folder, is flushed to disk and then renamed over `path`. Returns false when
// anything fails (unwritable folder, full disk, a record that cannot be written); the old file
// and the records in memory are then unchanged.
bool SaveReminders(const ReminderMap &map, const std::filesystem::path &path);

// Loads `path` into `map` (normally empty). `now` gives KindToday records their date.
// Problems other than a missing file are also written to the log.
LoadResult LoadReminders(ReminderMap &map, const std::filesystem::path &path, platform::Moment now);
