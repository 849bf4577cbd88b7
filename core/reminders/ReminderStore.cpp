// Reading and writing the reminder file.
#include "core/reminders/ReminderStore.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "core/files/AtomicSave.h"
#include "core/files/Log.h"
#include "core/files/ReadFile.h"

namespace {

constexpr std::string_view Magic = "NOTIFYS";

std::string PathText(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

std::string DescribeLoadResult(LoadResult result)
{
    switch (result) {
    case LoadResult::Loaded:
        return "reminders loaded";
    case LoadResult::NoFile:
        return "no reminder file";
    case LoadResult::NotReminders:
        return "not a reminder file; no reminders loaded";
    case LoadResult::BadCount:
        return "reminder file has no valid count; no reminders loaded";
    case LoadResult::Damaged:
        return "reminder file is damaged; only the reminders before the damage were loaded";
    }
    return {};
}

bool WriteReminders(const ReminderMap &map, std::string &out)
{
    if (map.Size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return false;
    out += Magic;
    const auto count = static_cast<std::uint32_t>(map.Size());
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((count >> shift) & 0xFF);
    bool ok = true;
    map.ForEach([&](const ReminderRecord &record) {
        if (ok)
            ok = record.Write(out);
    });
    return ok;
}

LoadResult ReadReminders(ReminderMap &map, std::string_view bytes, platform::Moment now)
{
    if (!bytes.starts_with(Magic))
        return LoadResult::NotReminders;
    bytes.remove_prefix(Magic.size());
    if (bytes.size() < 4)
        return LoadResult::BadCount;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    bytes.remove_prefix(4);
    const auto count = static_cast<std::int32_t>(bits);
    if (count < 0)
        return LoadResult::BadCount;
    for (std::int32_t i = 0; i < count; ++i) {
        auto record = std::make_unique<ReminderRecord>();
        if (!record->Read(bytes, now))
            return LoadResult::Damaged;
        map.Insert(std::move(record));
    }
    return LoadResult::Loaded;
}

bool SaveReminders(const ReminderMap &map, const std::filesystem::path &path)
{
    std::string bytes;
    if (!WriteReminders(map, bytes)) {
        core::LogProblem("cannot write reminders to " + PathText(path) + ": a reminder is too long to store");
        return false;
    }
    std::string error;
    if (!core::SaveFileAtomically(path, bytes, error)) {
        core::LogProblem("cannot save reminders to " + PathText(path) + ": " + error);
        return false;
    }
    return true;
}

LoadResult LoadReminders(ReminderMap &map, const std::filesystem::path &path, platform::Moment now)
{
    const std::optional<std::string> bytes = core::ReadFileBytes(path);
    if (!bytes)
        return LoadResult::NoFile;
    const LoadResult result = ReadReminders(map, *bytes, now);
    if (result != LoadResult::Loaded)
        core::LogProblem(PathText(path) + ": " + DescribeLoadResult(result));
    return result;
}
