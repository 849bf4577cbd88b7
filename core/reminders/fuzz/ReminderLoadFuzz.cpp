// libFuzzer target: reads arbitrary bytes as a reminder file, then checks that what was loaded
// writes out and reads back to the same reminders.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

#include "core/reminders/ReminderStore.h"

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
    ReminderMap map;
    ReadReminders(map, std::string_view(reinterpret_cast<const char *>(data), size), now);

    std::string output;
    if (!WriteReminders(map, output))
        std::abort();
    ReminderMap again;
    if (ReadReminders(again, output, now) != LoadResult::Loaded || Summarise(again) != Summarise(map))
        std::abort();
    return 0;
}
