// Tests of the reminder file: exact bytes, round trips, damaged files and saves that fail.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include "LayoutOracle.h"
#include "TestSupport.h"
#include "reminders/ReminderStore.h"

namespace {

QByteArray Int32Bytes(qint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<quint32>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

qint32 Int32At(const QByteArray &bytes, qsizetype offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return static_cast<qint32>(value);
}

struct FileRecord {
    qint32 enabled = 1;
    qint32 year = 1971, month = 1, day = 1;
    qint32 hour = 0, minute = 0, second = 0;
    qint32 kind = 1;
    QByteArray key;
    QByteArray message;
};

QByteArray Encode(const FileRecord &r)
{
    QByteArray bytes;
    for (qint32 field : {r.enabled, r.year, r.month, r.day, r.hour, r.minute, r.second, r.kind})
        bytes += Int32Bytes(field);
    bytes += Int32Bytes(static_cast<qint32>(r.key.size())) + r.key;
    bytes += Int32Bytes(static_cast<qint32>(r.message.size())) + r.message;
    return bytes;
}

QByteArray FileOf(qint32 count, const std::vector<FileRecord> &records)
{
    QByteArray bytes = QByteArray("NOTIFYS") + Int32Bytes(count);
    for (const FileRecord &r : records)
        bytes += Encode(r);
    return bytes;
}

// The keys stored in a file, in file order, read by walking the layout.
std::vector<std::string> StoredKeys(const QByteArray &file)
{
    std::vector<std::string> keys;
    const qint32 count = Int32At(file, 7);
    qsizetype offset = 11;
    for (qint32 i = 0; i < count; ++i) {
        const qint32 keyLength = Int32At(file, offset + 32);
        keys.push_back(file.mid(offset + 36, keyLength).toStdString());
        const qint32 messageLength = Int32At(file, offset + 36 + keyLength);
        offset += 40 + keyLength + messageLength;
    }
    EXPECT_EQ(offset, file.size());
    return keys;
}

LoadResult Loaded(ReminderMap &map, const QByteArray &bytes, platform::Moment now = 0)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadReminders(map, buffer, now);
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void AddDaily(ReminderMap &map, int hour, int minute, int second, const std::string &message, int enabled = 1)
{
    auto record = std::make_unique<ReminderRecord>();
    record->Set(1971, 1, 1, hour, minute, second, enabled, message, ReminderRecord::KindDaily, 0);
    map.Insert(std::move(record));
}

class ReminderStore : public ::testing::Test
{
protected:
    ScopedTimeZone m_utc{"UTC0"};
    QTemporaryDir m_dir;
    QString m_strPath = m_dir.filePath(QStringLiteral("notify.dat"));
};

} // namespace

TEST_F(ReminderStore, EmptyMapAndOneDailyReminderGiveTheirExactBytes)
{
    ReminderMap map;
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    EXPECT_EQ(ReadAll(m_strPath), QByteArray("NOTIFYS\0\0\0\0", 11));

    AddDaily(map, 7, 5, 0, "\xC6\xF0\xB4\xB2");
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    const QByteArray expected = QByteArray("NOTIFYS\x01\x00\x00\x00", 11)
        + QByteArray("\x01\x00\x00\x00" "\xB3\x07\x00\x00" "\x01\x00\x00\x00" "\x01\x00\x00\x00"
                     "\x07\x00\x00\x00" "\x05\x00\x00\x00" "\x00\x00\x00\x00" "\x01\x00\x00\x00"
                     "\x13\x00\x00\x00", 36)
        + QByteArray("1971:01:01:07:05:00") + QByteArray("\x04\x00\x00\x00", 4) + QByteArray("\xC6\xF0\xB4\xB2");
    EXPECT_EQ(expected.size(), 74);
    EXPECT_EQ(ReadAll(m_strPath), expected);
}

TEST_F(ReminderStore, SaveThenLoadKeepsKeysMessagesFlagsAndKinds)
{
    const platform::Moment loadDay = UtcMoment(2026, 5, 12, 6, 0, 0);
    const struct {
        int year, hour, minute, second, enabled, kind;
        std::string message;
    } reminders[] = {
        {1971, 7, 5, 0, 1, ReminderRecord::KindDaily, "100% sure"},
        {1971, 8, 0, 0, 0, ReminderRecord::KindDaily, "%s%d%n%%"},
        {1971, 23, 59, 59, 1, ReminderRecord::KindDaily, "\xCE\xE7\xB7\xB9\xCA\xB1\xBC\xE4"},
        {2001, 9, 30, 0, 1, ReminderRecord::KindToday, "\x81\x40\xFE\xFE ~"},
        {1971, 0, 0, 0, 1, 2, ""},
        {1971, 12, 0, 0, 1, ReminderRecord::KindDaily, std::string(255, '\xA1')},
    };
    ReminderMap map;
    for (const auto &r : reminders) {
        auto record = std::make_unique<ReminderRecord>();
        record->Set(r.year, 1, 1, r.hour, r.minute, r.second, r.enabled, r.message, r.kind, loadDay);
        map.Insert(std::move(record));
    }
    ASSERT_TRUE(SaveReminders(map, m_strPath));

    ReminderMap loaded;
    EXPECT_EQ(LoadReminders(loaded, m_strPath, loadDay), LoadResult::Loaded);
    ASSERT_EQ(loaded.Size(), std::size(reminders));
    for (const auto &r : reminders) {
        const std::string key = FormatTimeKey(r.year, 1, 1, r.hour, r.minute, r.second);
        const ReminderRecord *record = loaded.Lookup(key);
        ASSERT_NE(record, nullptr) << key;
        EXPECT_EQ(record->message, r.message) << key;
        EXPECT_EQ(record->enabled, r.enabled) << key;
        EXPECT_EQ(record->kind, r.kind) << key;
        EXPECT_EQ(record->dueTime, map.Lookup(key)->dueTime) << key;
        EXPECT_FALSE(record->armed);
    }
    EXPECT_EQ(loaded.Lookup("2001:01:01:09:30:00")->dueTime, UtcMoment(2026, 5, 12, 9, 30, 0))
        << "a KindToday record takes the date of the load";
}

TEST_F(ReminderStore, FileOrderIsTheLayoutOrder)
{
    ReminderMap map;
    std::vector<std::string> inserted;
    for (int i = 0; i < 120; ++i) {
        const int seconds = (i * 7919) % 86400;
        AddDaily(map, seconds / 3600, seconds / 60 % 60, seconds % 60, "m");
        inserted.push_back(FormatTimeKey(1971, 1, 1, seconds / 3600, seconds / 60 % 60, seconds % 60));
    }
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    EXPECT_EQ(StoredKeys(ReadAll(m_strPath)), ExpectedTraversal(inserted));
}

TEST_F(ReminderStore, BadMagicOrCountLoadsNothing)
{
    const FileRecord one{1, 1971, 1, 1, 7, 5, 0, 1, "1971:01:01:07:05:00", "m"};
    const QByteArray good = FileOf(1, {one});
    const struct {
        const char *what;
        QByteArray bytes;
        LoadResult result;
    } cases[] = {
        {"lower-case magic", QByteArray("notifys") + good.mid(7), LoadResult::NotReminders},
        {"other magic", QByteArray("NOTIFYX") + good.mid(7), LoadResult::NotReminders},
        {"empty file", QByteArray(), LoadResult::NotReminders},
        {"short magic", QByteArray("NOTIF"), LoadResult::NotReminders},
        {"no count", QByteArray("NOTIFYS"), LoadResult::BadCount},
        {"short count", QByteArray("NOTIFYS\x01\x00", 9), LoadResult::BadCount},
        {"negative count", QByteArray("NOTIFYS") + Int32Bytes(-1) + Encode(one), LoadResult::BadCount},
        {"zero count", QByteArray("NOTIFYS") + Int32Bytes(0) + Encode(one), LoadResult::Loaded},
    };
    for (const auto &c : cases) {
        ReminderMap map;
        EXPECT_EQ(Loaded(map, c.bytes), c.result) << c.what;
        EXPECT_TRUE(map.IsEmpty()) << c.what;
    }
    ReminderMap map;
    EXPECT_EQ(Loaded(map, good), LoadResult::Loaded);
    EXPECT_EQ(map.Size(), 1u);
}

TEST_F(ReminderStore, DamagedRecordsEndTheLoadKeepingTheOnesBefore)
{
    const FileRecord a{1, 1971, 1, 1, 7, 5, 0, 1, "1971:01:01:07:05:00", "a"};
    const FileRecord b{1, 1971, 1, 1, 8, 0, 0, 1, "1971:01:01:08:00:00", "b"};
    FileRecord badKeyLength = b;
    badKeyLength.key = QByteArray(256, '1');
    FileRecord tooLongMessage = b;
    tooLongMessage.message = QByteArray(256, 'x');
    QByteArray negativeLength = FileOf(2, {a, b});
    negativeLength.replace(11 + Encode(a).size() + 32, 4, Int32Bytes(-3));

    const struct {
        const char *what;
        QByteArray bytes;
        std::size_t kept;
    } cases[] = {
        {"count 3 with 2 records", FileOf(3, {a, b}), 2},
        {"huge count with 2 records", FileOf(0x7FFFFFFF, {a, b}), 2},
        {"second record cut short", FileOf(2, {a, b}).chopped(1), 1},
        {"key length 256", FileOf(2, {a, badKeyLength}), 1},
        {"message length 256", FileOf(2, {a, tooLongMessage}), 1},
        {"negative key length", negativeLength, 1},
        {"first record damaged", FileOf(2, {tooLongMessage, a}), 0},
    };
    for (const auto &c : cases) {
        ReminderMap map;
        EXPECT_EQ(Loaded(map, c.bytes), LoadResult::Damaged) << c.what;
        EXPECT_EQ(map.Size(), c.kept) << c.what;
        if (c.kept >= 1) {
            ASSERT_NE(map.Lookup("1971:01:01:07:05:00"), nullptr) << c.what;
            EXPECT_EQ(map.Lookup("1971:01:01:07:05:00")->message, "a") << c.what;
        }
    }
}

TEST_F(ReminderStore, LaterRecordWinsAndStoredKeysAreRebuilt)
{
    const FileRecord first{1, 1971, 1, 1, 7, 5, 0, 1, "1971:01:01:07:05:00", "first"};
    const FileRecord other{1, 1971, 1, 1, 9, 0, 0, 1, "1971:01:01:09:00:00", "other"};
    const FileRecord second{0, 1971, 1, 1, 7, 5, 0, 1, "", "second"};
    const FileRecord wrongKey{1, 1971, 1, 1, 10, 0, 0, 1, "rubbish:key", "wrong key"};

    ReminderMap map;
    EXPECT_EQ(Loaded(map, FileOf(4, {first, other, second, wrongKey})), LoadResult::Loaded);
    EXPECT_EQ(map.Size(), 3u);
    const ReminderRecord *twice = map.Lookup("1971:01:01:07:05:00");
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(twice->message, "second");
    EXPECT_EQ(twice->enabled, 0);
    EXPECT_EQ(map.Lookup(""), nullptr);
    EXPECT_EQ(map.Lookup("rubbish:key"), nullptr);
    ASSERT_NE(map.Lookup("1971:01:01:10:00:00"), nullptr);
    EXPECT_EQ(map.Lookup("1971:01:01:10:00:00")->message, "wrong key");
}

TEST_F(ReminderStore, MissingFileLoadsNothing)
{
    ReminderMap map;
    EXPECT_EQ(LoadReminders(map, m_strPath, 0), LoadResult::NoFile);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(QFile::exists(m_strPath)) << "loading never creates the file";
}

TEST_F(ReminderStore, FailedSaveLeavesTheOldFileWholeAndNoLeftovers)
{
    ReminderMap map;
    AddDaily(map, 7, 5, 0, "old");
    AddDaily(map, 8, 5, 0, "old too");
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    const QByteArray old = ReadAll(m_strPath);
    const auto onlyTheFile = [this] {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{"notify.dat"};
    };

    // A record too long for the file, after others that were already written.
    ReminderMap tooLong;
    for (int hour = 0; hour < 24; ++hour)
        AddDaily(tooLong, hour, 0, 0, "fine");
    AddDaily(tooLong, 12, 30, 0, std::string(256, 'x'));
    EXPECT_FALSE(SaveReminders(tooLong, m_strPath));
    EXPECT_EQ(ReadAll(m_strPath), old);
    EXPECT_TRUE(onlyTheFile());
    EXPECT_EQ(tooLong.Size(), 25u);

    // A full disk: the file size limit stops the write part way.
    ReminderMap large;
    for (int minute = 0; minute < 600; ++minute)
        AddDaily(large, minute / 60, minute % 60, 0, "a reminder of some length");
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool savedWhenFull = SaveReminders(large, m_strPath);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(savedWhenFull);
    EXPECT_EQ(ReadAll(m_strPath), old);
    EXPECT_TRUE(onlyTheFile());

    // A folder that does not exist.
    EXPECT_FALSE(SaveReminders(map, m_dir.filePath(QStringLiteral("missing/notify.dat"))));

    // A folder the program may not write to (not enforced for the superuser).
    if (geteuid() != 0) {
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(SaveReminders(large, m_strPath));
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(ReadAll(m_strPath), old);
    }

    ASSERT_TRUE(SaveReminders(large, m_strPath));
    ReminderMap reloaded;
    EXPECT_EQ(LoadReminders(reloaded, m_strPath, 0), LoadResult::Loaded);
    EXPECT_EQ(reloaded.Size(), 600u);
}
