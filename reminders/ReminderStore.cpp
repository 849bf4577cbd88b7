// Reading and writing the reminder file.
#include "reminders/ReminderStore.h"

#include <cstdint>
#include <cstring>
#include <limits>

#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <QtEndian>

#include "platform/UserMessage.h"

namespace {

constexpr char Magic[] = {'N', 'O', 'T', 'I', 'F', 'Y', 'S'};

} // namespace

QString DescribeLoadResult(LoadResult result)
{
    switch (result) {
    case LoadResult::Loaded:
        return QStringLiteral("reminders loaded");
    case LoadResult::NoFile:
        return QStringLiteral("no reminder file");
    case LoadResult::NotReminders:
        return QStringLiteral("not a reminder file; no reminders loaded");
    case LoadResult::BadCount:
        return QStringLiteral("reminder file has no valid count; no reminders loaded");
    case LoadResult::Damaged:
        return QStringLiteral("reminder file is damaged; only the reminders before the damage were loaded");
    }
    return QString();
}

bool WriteReminders(const ReminderMap &map, QIODevice &file)
{
    if (map.Size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return false;
    char count[4];
    qToLittleEndian(static_cast<std::int32_t>(map.Size()), count);
    if (file.write(Magic, sizeof Magic) != sizeof Magic || file.write(count, sizeof count) != sizeof count)
        return false;
    bool ok = true;
    map.ForEach([&](const ReminderRecord &record) {
        if (ok)
            ok = record.Write(file);
    });
    return ok;
}

LoadResult ReadReminders(ReminderMap &map, QIODevice &file, platform::Moment now)
{
    char magic[sizeof Magic];
    if (file.read(magic, sizeof magic) != sizeof magic || std::memcmp(magic, Magic, sizeof Magic) != 0)
        return LoadResult::NotReminders;
    char countBytes[4];
    if (file.read(countBytes, sizeof countBytes) != sizeof countBytes)
        return LoadResult::BadCount;
    const std::int32_t count = qFromLittleEndian<std::int32_t>(countBytes);
    if (count < 0)
        return LoadResult::BadCount;
    for (std::int32_t i = 0; i < count; ++i) {
        auto record = std::make_unique<ReminderRecord>();
        if (!record->Read(file, now))
            return LoadResult::Damaged;
        map.Insert(std::move(record));
    }
    return LoadResult::Loaded;
}

bool SaveReminders(const ReminderMap &map, const QString &path)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk) shows in write() and is never committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        platform::LogProblem(QStringLiteral("cannot save reminders to %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (!WriteReminders(map, file)) {
        platform::LogProblem(QStringLiteral("cannot write reminders to %1: %2")
                                 .arg(path, file.error() == QFileDevice::NoError
                                                ? QStringLiteral("a reminder is too long to store")
                                                : file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        platform::LogProblem(QStringLiteral("cannot save reminders to %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

LoadResult LoadReminders(ReminderMap &map, const QString &path, platform::Moment now)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::NoFile;
    const LoadResult result = ReadReminders(map, file, now);
    if (result != LoadResult::Loaded)
        platform::LogProblem(QStringLiteral("%1: %2").arg(path, DescribeLoadResult(result)));
    return result;
}
