// The once-per-second check that arms and fires reminders.
#pragma once

#include <functional>
#include <string>

#include "core/time/LocalTime.h"
#include "core/reminders/ReminderMap.h"

// Checks every record in traversal order against the daily reference (local 1971-01-01 at
// hour:minute:second) and `now`, then calls `showPopup` with a copy of the message of each record
// that fired, in traversal order. The popups are shown after the pass, so `showPopup` may change
// the map. Returns the number of records that fired.
int CheckReminders(ReminderMap &map, int hour, int minute, int second, platform::Moment now,
                   const std::function<void(const std::string &message)> &showPopup);
