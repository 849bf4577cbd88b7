// Builds the tray tooltip from the reminders, the moment and the snoozes.
#include "alert/TrayTip.h"

#include <QDate>

#include <algorithm>
#include <optional>

#include "platform/Gbk.h"

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

QDate DateOf(const platform::LocalFields &fields)
{
    return QDate(fields.year, fields.month, fields.day);
}

QString DayText(const platform::LocalFields &fields)
{
    return QStringLiteral("%1月%2日").arg(fields.month).arg(fields.day);
}

} // namespace

QString TrayTipText(const ReminderMap &reminders, platform::Moment now, const SnoozeQueue &snoozes,
                    platform::Moment *changesAt)
{
    static const QString weekdays[] = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                       QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
                                       QStringLiteral("日")};
    const platform::LocalFields today = platform::ToLocal(now);
    const QDate date = DateOf(today);
    const QString head = QStringLiteral("%1 星期%2 · ").arg(DayText(today), weekdays[date.dayOfWeek() - 1]);

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
        return head + QStringLiteral("没有提醒");

    const platform::LocalFields at = platform::ToLocal(*next);
    const qint64 days = date.daysTo(DateOf(at));
    const QString when = days == 0 ? QString() : days == 1 ? QStringLiteral("明天 ") : DayText(at) + QLatin1Char(' ');
    return head + QStringLiteral("下一个提醒 %1%2:%3:%4 %5")
                      .arg(when)
                      .arg(at.hour, 2, 10, QLatin1Char('0'))
                      .arg(at.minute, 2, 10, QLatin1Char('0'))
                      .arg(at.second, 2, 10, QLatin1Char('0'))
                      .arg(platform::FromGbk(*message));
}

} // namespace alert
