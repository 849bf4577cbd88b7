// libFuzzer target: reads arbitrary bytes as a reminder file, then checks that what was loaded
// writes out and reads back to the same reminders.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

#include <QBuffer>
#include <QByteArray>

#include "reminders/ReminderStore.h"

namespace {

using Summary = std::map<std::string, std::tuple<std::string, int, int, int, platform::Moment>>;

Summary Summarise(const ReminderMap &map)
{
    Summary summary;
    map.ForEach([&](const ReminderRecord &r) {
        summary[r.key] = {r.message, r.enabled, r.kind, r.year, r.dueTime};
    });
    return summary;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const platform::Moment now = 1778572800; // a fixed day, so KindToday records agree
    QBuffer input;
    input.setData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    input.open(QIODevice::ReadOnly);
    ReminderMap map;
    ReadReminders(map, input, now);

    QBuffer output;
    output.open(QIODevice::WriteOnly);
    if (!WriteReminders(map, output))
        std::abort();
    output.close();
    output.open(QIODevice::ReadOnly);
    ReminderMap again;
    if (ReadReminders(again, output, now) != LoadResult::Loaded || Summarise(again) != Summarise(map))
        std::abort();
    return 0;
}
