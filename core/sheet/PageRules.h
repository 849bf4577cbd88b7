// Rules of the settings pages that need no window: the reminder list rows and their order, the
// add, modify and delete rules, the skin choice and the placement of the sheet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/note/Geometry.h"

class ReminderMap;
class ReminderRecord;

// The product line, in UTF-8; also the title of the settings sheet.
std::string ProductTitle();

// --- Time reminders page ---

// One row of the reminder list, in UTF-8: "是" or "否", the time HH:MM:SS (the last 8 characters
// of the key) and the message.
struct ReminderRow {
    std::string strEnabled;
    std::string strTime;
    std::string strMessage;
};

// True when a comes before b by hour, then minute, then second.
bool CompareByTime(const ReminderRecord &a, const ReminderRecord &b);

// The rows of every reminder in time-of-day order; records of the same time keep map order.
std::vector<ReminderRow> ReminderRows(const ReminderMap &map);

// Widths of the reminder list's columns, in pixels.
struct ReminderColumns {
    int nEnabled;
    int nTime;
    int nMessage;
};

// The columns of a list whose rows are `viewWidth` wide: the flag and time columns as wide as
// their texts need (`enabledNeed`, `timeNeed`), the message column the rest, none when nothing is
// left; so the columns fill the row and need no horizontal scrolling whenever the two fit.
ReminderColumns ReminderColumnWidths(int viewWidth, int enabledNeed, int timeNeed);

// The key of a page reminder whose list row shows `time` (HH:MM:SS): "1971:01:01:" + time.
std::string KeyOfRowTime(std::string_view time);

enum class AddResult { Added, Duplicate };

// Adds a daily reminder dated 1971-01-01; refuses, changing nothing, when one of that time exists.
AddResult AddReminder(ReminderMap &map, int hour, int minute, int second, bool enabled,
                      const std::string &message);

// Replaces the reminder of the selected row (shown time `selectedTime`) by a daily reminder with
// the given values; a reminder already at the new time is replaced too.
void ModifyReminder(ReminderMap &map, std::string_view selectedTime, int hour, int minute,
                    int second, bool enabled, const std::string &message);

// Removes the page reminder whose row shows `selectedTime`; false when the map holds none under
// that key (as for records dated other than 1971-01-01).
bool DeleteReminder(ReminderMap &map, std::string_view selectedTime);

// The limit on a reminder message as it is typed: its GBK form may have at most `maxBytes`
// bytes, and it may hold no character without a GBK form. A text admitted from elsewhere (a
// stored message) that is longer, or holds such characters, raises the ceiling to itself: from
// then on the text may get shorter, never longer. Texts are UTF-8.
class GbkLimit
{
public:
    explicit GbkLimit(int maxBytes);

    bool Fits(std::string_view utf8) const;
    // Takes `utf8` as the text now standing; the ceiling becomes the larger of the limit and it.
    void Admit(std::string_view utf8);

private:
    int m_nMaxBytes;
    // What the text may hold at most: bytes (2 for a character without a GBK form) and such
    // characters.
    int m_nCeilingBytes;
    int m_nCeilingForeign = 0;
};

// --- Display page ---

// Index of the name (UTF-8) equal to `current` without regard to letter case (of the Latin,
// Greek and Cyrillic letters); the last of several matches; -1 when none matches.
int PreselectIndex(const std::vector<std::string> &names, std::string_view current);

// The skin choice of the Display page: the selections last loaded or applied and whether the
// user has since accepted a different pair.
class SkinChoice
{
public:
    SkinChoice() = default;
    SkinChoice(int nBackground, int nClockStyle);

    // A selection accepted in either list, with both lists' current selections.
    void OnSelect(int nBackground, int nClockStyle);

    // On OK or Apply, with the current selections: when changed, they become the new baseline
    // and true is returned (the names must be written); otherwise false.
    bool Apply(int nBackground, int nClockStyle);

    bool IsChanged() const { return m_bChanged; }
    int Background() const { return m_nBackground; }
    int ClockStyle() const { return m_nClockStyle; }

private:
    bool m_bChanged = false;
    int m_nBackground = -1;
    int m_nClockStyle = -1;
};

// --- Sheet ---

// Top-left corner of the sheet: at the clock's left edge and 100 pixels below its top, pulled
// back inside `screen` at the right and bottom edges only.
core::Point PlaceSheet(core::Point clock, core::Size sheet, const core::Rect &screen);

// A rectangle given in dialog units, in pixels for a font whose base units are `base` (average
// letter width, line height).
core::Rect DialogUnitsToPixels(const core::Rect &dlu, core::Size base);
