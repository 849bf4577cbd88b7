// The tray icon's tooltip: today's date and the next reminder to come.
#pragma once

#include <string>

#include "core/alert/SnoozeQueue.h"
#include "core/time/LocalTime.h"
#include "core/reminders/ReminderMap.h"

namespace alert {

// The text in UTF-8: "12月7日 星期一 · 下一个提醒 07:05:00 该起床了" for `now` on 7 December; a reminder of
// tomorrow reads "明天 07:05:00", a later one "1月3日 07:05:00"; with nothing to come,
// The text in UTF-8: "12月7日 星期一 · 没有提醒". The next reminder is the earliest moment after `now` of an enabled
// reminder (daily ones at their next time of day, today's ones while still ahead) or a pending
// snooze.
// When `changesAt` is given, it receives the moment at which the text next reads differently
// with the same reminders and snoozes: the next reminder's moment or the next local midnight,
// whichever comes first.
std::string TrayTipText(const ReminderMap &reminders, platform::Moment now, const SnoozeQueue &snoozes,
                        platform::Moment *changesAt = nullptr);

} // namespace alert
