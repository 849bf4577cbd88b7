// The settings pages' rules over the reminder map, the skin lists and the screen.
#include "settings/PageRules.h"

#include <algorithm>
#include <memory>

#include "platform/Gbk.h"
#include "core/reminders/ReminderMap.h"
#include "core/reminders/ReminderRecord.h"

namespace {

const std::string kPageDatePrefix = "1971:01:01:";

// Daily records take no date from the current moment.
constexpr platform::Moment kUnusedMoment = 0;

void PutDaily(ReminderMap &map, int hour, int minute, int second, bool enabled,
              const std::string &message)
{
    auto record = std::make_unique<ReminderRecord>();
    record->Set(1971, 1, 1, hour, minute, second, enabled ? 1 : 0, message,
                ReminderRecord::KindDaily, kUnusedMoment);
    map.Insert(std::move(record));
}

int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

QString ProductTitle()
{
    return QStringLiteral("Amberlane 电子闹钟 1.0 版");
}

bool CompareByTime(const ReminderRecord &a, const ReminderRecord &b)
{
    if (a.hour != b.hour)
        return a.hour < b.hour;
    if (a.minute != b.minute)
        return a.minute < b.minute;
    return a.second < b.second;
}

std::vector<ReminderRow> ReminderRows(const ReminderMap &map)
{
    std::vector<const ReminderRecord *> records;
    map.ForEach([&records](const ReminderRecord &record) { records.push_back(&record); });
    std::stable_sort(records.begin(), records.end(),
                     [](const ReminderRecord *a, const ReminderRecord *b) { return CompareByTime(*a, *b); });

    std::vector<ReminderRow> rows;
    rows.reserve(records.size());
    for (const ReminderRecord *record : records) {
        const std::string &key = record->key;
        const std::string time = key.size() > 8 ? key.substr(key.size() - 8) : key;
        rows.push_back({record->enabled ? QStringLiteral("是") : QStringLiteral("否"),
                        QString::fromLatin1(time.data(), static_cast<qsizetype>(time.size())),
                        platform::FromGbk(record->message)});
    }
    return rows;
}

ReminderColumns ReminderColumnWidths(int viewWidth, int enabledNeed, int timeNeed)
{
    return {enabledNeed, timeNeed, std::max(0, viewWidth - enabledNeed - timeNeed)};
}

std::string KeyOfRowTime(const QString &time)
{
    return kPageDatePrefix + time.toStdString();
}

AddResult AddReminder(ReminderMap &map, int hour, int minute, int second, bool enabled,
                      const std::string &message)
{
    if (map.Lookup(FormatTimeKey(1971, 1, 1, hour, minute, second)))
        return AddResult::Duplicate;
    PutDaily(map, hour, minute, second, enabled, message);
    return AddResult::Added;
}

void ModifyReminder(ReminderMap &map, const QString &selectedTime, int hour, int minute,
                    int second, bool enabled, const std::string &message)
{
    map.Remove(KeyOfRowTime(selectedTime));
    map.Remove(FormatTimeKey(1971, 1, 1, hour, minute, second));
    PutDaily(map, hour, minute, second, enabled, message);
}

bool DeleteReminder(ReminderMap &map, const QString &selectedTime)
{
    return map.Remove(KeyOfRowTime(selectedTime));
}

int PreselectIndex(const QStringList &names, const QString &current)
{
    int found = -1;
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(current, Qt::CaseInsensitive) == 0)
            found = i;
    }
    return found;
}

SkinChoice::SkinChoice(int nBackground, int nClockStyle)
    : m_nBackground(nBackground), m_nClockStyle(nClockStyle)
{
}

void SkinChoice::OnSelect(int nBackground, int nClockStyle)
{
    if (nBackground == m_nBackground && nClockStyle == m_nClockStyle)
        return;
    m_bChanged = true;
}

bool SkinChoice::Apply(int nBackground, int nClockStyle)
{
    if (!m_bChanged)
        return false;
    m_nBackground = nBackground;
    m_nClockStyle = nClockStyle;
    m_bChanged = false;
    return true;
}

QPoint PlaceSheet(QPoint clock, QSize sheet, const QRect &screen)
{
    const int cx = screen.x() + screen.width();
    const int cy = screen.y() + screen.height();
    int x = clock.x();
    int y = clock.y();
    if (x + sheet.width() >= cx)
        x = cx - sheet.width();
    if (y + 100 + sheet.height() > cy)
        y = cy - sheet.height() - 100;
    return {x, y + 100};
}

QRect DialogUnitsToPixels(const QRect &dlu, QSize base)
{
    return {MulDiv(dlu.x(), base.width(), 4), MulDiv(dlu.y(), base.height(), 8),
            MulDiv(dlu.width(), base.width(), 4), MulDiv(dlu.height(), base.height(), 8)};
}
