// Rules of the settings pages that need no window: the reminder list rows and their order, the
// add, modify and delete rules, the skin choice and the placement of the sheet.
#pragma once

#include <string>
#include <vector>

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class ReminderMap;
class ReminderRecord;

// The product line; also the title of the settings sheet.
QString ProductTitle();

// --- Time reminders page ---

// One row of the reminder list: "是" or "否", the time HH:MM:SS (the last 8 characters of the
// key) and the message.
struct ReminderRow {
    QString strEnabled;
    QString strTime;
    QString strMessage;
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
std::string KeyOfRowTime(const QString &time);

enum class AddResult { Added, Duplicate };

// Adds a daily reminder dated 1971-01-01; refuses, changing nothing, when one of that time exists.
AddResult AddReminder(ReminderMap &map, int hour, int minute, int second, bool enabled,
                      const std::string &message);

// Replaces the reminder of the selected row (shown time `selectedTime`) by a daily reminder with
// the given values; a reminder already at the new time is replaced too.
void ModifyReminder(ReminderMap &map, const QString &selectedTime, int hour, int minute,
                    int second, bool enabled, const std::string &message);

// Removes the page reminder whose row shows `selectedTime`; false when the map holds none under
// that key (as for records dated other than 1971-01-01).
bool DeleteReminder(ReminderMap &map, const QString &selectedTime);

// --- Display page ---

// Index of the name equal to `current` without regard to letter case; the last of several
// matches; -1 when none matches.
int PreselectIndex(const QStringList &names, const QString &current);

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
QPoint PlaceSheet(QPoint clock, QSize sheet, const QRect &screen);

// A rectangle given in dialog units, in pixels for a font whose base units are `base` (average
// letter width, line height).
QRect DialogUnitsToPixels(const QRect &dlu, QSize base);
