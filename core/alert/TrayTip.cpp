// Builds the tray tooltip from the reminders, the moment and the snoozes.
#include "core/alert/TrayTip.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

#include "core/files/Gbk.h"

namespace alert {

namespace {

// The next moment after `now` at which the record comes due, if it ever does.
std::optional<platform::Moment> NextDue(const ReminderRecord &record, const platform::LocalFields &today,
                                        platform::Moment now)
{
    if (record.enabled == 0)
        return std::nullopt;
    if (record.kind == ReminderRecord::KindToday)
        return record.dueTime > now ? std::optional(record.dueTime) : std::nullopt;
    if (record.kind != ReminderRecord::KindDaily)
        return std::nullopt;
    const platform::Moment due =
        platform::FromLocal(today.year, today.month, today.day, record.hour, record.minute, record.second);
    if (due > now)
        return due;
    return platform::FromLocal(today.year, today.month, today.day + 1, record.hour, record.minute, record.second);
}

std::chrono::sys_days DateOf(const platform::LocalFields &fields)
{
    return std::chrono::year_month_day(std::chrono::year(fields.year),
                                       std::chrono::month(static_cast<unsigned>(fields.month)),
                                       std::chrono::day(static_cast<unsigned>(fields.day)));
}

std::string DayText(const platform::LocalFields &fields)
{
    return std::to_string(fields.month) + "月" + std::to_string(fields.day) + "日";
}

} // namespace

std::string TrayTipText(const ReminderMap &reminders, platform::Moment now, const SnoozeQueue &snoozes,
                        platform::Moment *changesAt)
{
    static const char *const weekdays[] = {"一", "二", "三", "四", "五", "六", "日"};
    const platform::LocalFields today = platform::ToLocal(now);
    const std::chrono::sys_days date = DateOf(today);
    const std::string head =
        DayText(today) + " 星期" + weekdays[std::chrono::weekday(date).iso_encoding() - 1] + " · ";

    std::optional<platform::Moment> next;
    const std::string *message = nullptr;
    reminders.ForEach([&](const ReminderRecord &record) {
        const auto due = NextDue(record, today, now);
        if (due && (!next || *due < *next)) {
            next = due;
            message = &record.message;
        }
    });
    if (const Snooze *snooze = snoozes.Next(); snooze && snooze->due > now && (!next || snooze->due < *next)) {
        next = snooze->due;
        message = &snooze->message;
    }
    if (changesAt) {
        const platform::Moment midnight = platform::FromLocal(today.year, today.month, today.day + 1, 0, 0, 0);
        *changesAt = std::max(now + 1, next && *next < midnight ? *next : midnight);
    }
    if (!next)
        return head + "没有提醒";

    const platform::LocalFields at = platform::ToLocal(*next);
    const auto days = (DateOf(at) - date).count();
    const std::string when = days == 0 ? std::string() : days == 1 ? std::string("明天 ") : DayText(at) + ' ';
    char clock[40];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", at.hour, at.minute, at.second);
    return head + "下一个提醒 " + when + clock + ' ' + core::GbkToUtf8(*message);
}

} // namespace alert
