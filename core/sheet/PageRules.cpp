// The settings pages' rules over the reminder map, the skin lists and the screen.
#include "core/sheet/PageRules.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "core/files/Gbk.h"
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

// The code points of UTF-8 text, each letter of the Latin, Greek and Cyrillic alphabets in its
// small form; bytes that start no character stand for themselves.
std::u32string Folded(std::string_view utf8)
{
    std::u32string folded;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = n == 1 ? lead : lead & (0x7F >> n);
        std::size_t k = 1;
        for (; k < n && i + k < utf8.size() && (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (k < n) {
            c = lead;
            k = 1;
        }
        i += k;
        if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
            || (c >= 0x410 && c <= 0x42F))
            c += 0x20;
        else if (c >= 0x400 && c <= 0x40F)
            c += 0x50;
        else if (((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && c % 2 == 0)
            c += 1;
        else if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 1)
            c += 1;
        folded += c;
    }
    return folded;
}

struct GbkMeasure {
    int nBytes = 0;
    int nForeign = 0; // characters without a GBK form, counted as 2 bytes each
};

GbkMeasure Measure(std::string_view utf8)
{
    GbkMeasure measure;
    if (const std::optional<std::string> bytes = core::Utf8ToGbk(utf8)) {
        measure.nBytes = static_cast<int>(bytes->size());
        return measure;
    }
    while (!utf8.empty()) {
        const std::string_view character = core::Utf8Prefix(utf8, 1);
        const std::optional<std::string> bytes = core::Utf8ToGbk(character);
        measure.nBytes += bytes ? static_cast<int>(bytes->size()) : 2;
        measure.nForeign += bytes ? 0 : 1;
        utf8.remove_prefix(character.size());
    }
    return measure;
}

} // namespace

GbkLimit::GbkLimit(int maxBytes) : m_nMaxBytes(maxBytes), m_nCeilingBytes(maxBytes) {}

bool GbkLimit::Fits(std::string_view utf8) const
{
    const GbkMeasure measure = Measure(utf8);
    return measure.nBytes <= m_nCeilingBytes && measure.nForeign <= m_nCeilingForeign;
}

void GbkLimit::Admit(std::string_view utf8)
{
    const GbkMeasure measure = Measure(utf8);
    m_nCeilingBytes = std::max(m_nMaxBytes, measure.nBytes);
    m_nCeilingForeign = measure.nForeign;
}

std::string ProductTitle()
{
    return "Amberlane 电子闹钟 1.0 版";
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
        rows.push_back({record->enabled ? "是" : "否", time, core::GbkToUtf8(record->message)});
    }
    return rows;
}

ReminderColumns ReminderColumnWidths(int viewWidth, int enabledNeed, int timeNeed)
{
    return {enabledNeed, timeNeed, std::max(0, viewWidth - enabledNeed - timeNeed)};
}

std::string KeyOfRowTime(std::string_view time)
{
    return kPageDatePrefix + std::string(time);
}

AddResult AddReminder(ReminderMap &map, int hour, int minute, int second, bool enabled,
                      const std::string &message)
{
    if (map.Lookup(FormatTimeKey(1971, 1, 1, hour, minute, second)))
        return AddResult::Duplicate;
    PutDaily(map, hour, minute, second, enabled, message);
    return AddResult::Added;
}

void ModifyReminder(ReminderMap &map, std::string_view selectedTime, int hour, int minute,
                    int second, bool enabled, const std::string &message)
{
    map.Remove(KeyOfRowTime(selectedTime));
    map.Remove(FormatTimeKey(1971, 1, 1, hour, minute, second));
    PutDaily(map, hour, minute, second, enabled, message);
}

bool DeleteReminder(ReminderMap &map, std::string_view selectedTime)
{
    return map.Remove(KeyOfRowTime(selectedTime));
}

int PreselectIndex(const std::vector<std::string> &names, std::string_view current)
{
    const std::u32string wanted = Folded(current);
    int found = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (Folded(names[i]) == wanted)
            found = static_cast<int>(i);
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

core::Point PlaceSheet(core::Point clock, core::Size sheet, const core::Rect &screen)
{
    const int cx = screen.left + screen.width;
    const int cy = screen.top + screen.height;
    int x = clock.x;
    int y = clock.y;
    if (x + sheet.width >= cx)
        x = cx - sheet.width;
    if (y + 100 + sheet.height > cy)
        y = cy - sheet.height - 100;
    return {x, y + 100};
}

core::Rect DialogUnitsToPixels(const core::Rect &dlu, core::Size base)
{
    return {MulDiv(dlu.left, base.width, 4), MulDiv(dlu.top, base.height, 8), MulDiv(dlu.width, base.width, 4),
            MulDiv(dlu.height, base.height, 8)};
}
