// Tests of the reminder file: exact bytes, round trips, damaged files and saves that fail.
#include <gtest/gtest.h>

#include <csignal>
#include <tuple>
#include <sys/resource.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "TestSupport.h"
#include "reminders/ReminderStore.h"

namespace {

QByteArray Int32Bytes(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

struct FileRecord {
    qint32 enabled, year, month, day, hour, minute, second, kind;
    QByteArray key;
    QByteArray message;
};

QByteArray Encode(const FileRecord &r)
{
    QByteArray bytes;
    for (qint32 field : {r.enabled, r.year, r.month, r.day, r.hour, r.minute, r.second, r.kind})
        bytes += Int32Bytes(field);
    return bytes + Int32Bytes(static_cast<qint32>(r.key.size())) + r.key
        + Int32Bytes(static_cast<qint32>(r.message.size())) + r.message;
}

QByteArray FileOf(qint32 count, const std::vector<FileRecord> &records)
{
    QByteArray bytes = QByteArray("NOTIFYS") + Int32Bytes(count);
    for (const FileRecord &r : records)
        bytes += Encode(r);
    return bytes;
}

// The keys stored in a file, in file order.
std::vector<std::string> StoredKeys(const QByteArray &file)
{
    const auto int32At = [&](qsizetype offset) {
        return qFromLittleEndian<qint32>(file.constData() + offset);
    };
    std::vector<std::string> keys;
    qsizetype offset = 11;
    for (qint32 i = 0; i < int32At(7); ++i) {
        const qint32 keyLength = int32At(offset + 32);
        keys.push_back(file.mid(offset + 36, keyLength).toStdString());
        offset += 40 + keyLength + int32At(offset + 36 + keyLength);
    }
    EXPECT_EQ(offset, file.size());
    return keys;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
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

    Add(map, 7, 5, 0, "\xC6\xF0\xB4\xB2");
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    const QByteArray expected = QByteArray("NOTIFYS\x01\x00\x00\x00", 11)
        + QByteArray("\x01\x00\x00\x00" "\xB3\x07\x00\x00" "\x01\x00\x00\x00" "\x01\x00\x00\x00"
                     "\x07\x00\x00\x00" "\x05\x00\x00\x00" "\x00\x00\x00\x00" "\x01\x00\x00\x00"
                     "\x13\x00\x00\x00", 36)
        + "1971:01:01:07:05:00" + QByteArray("\x04\x00\x00\x00", 4) + "\xC6\xF0\xB4\xB2";
    EXPECT_EQ(ReadAll(m_strPath), expected);
}

TEST_F(ReminderStore, SaveThenLoadKeepsEveryRecordInLayoutOrder)
{
    const platform::Moment loadDay = UtcMoment(2026, 5, 12, 6, 0, 0);
    const struct {
        int year, hour, minute, enabled, kind;
        std::string message;
    } reminders[] = {
        {1971, 7, 5, 1, ReminderRecord::KindDaily, "100% sure %s%n"},
        {1971, 8, 0, 0, ReminderRecord::KindDaily, "\xCE\xE7\xB7\xB9\xCA\xB1\xBC\xE4"}, // GBK Chinese
        {2001, 9, 30, 1, ReminderRecord::KindToday, "\x81\x40\xFE\xFE ~"},
        {1971, 0, 0, 1, 2, ""},
    };
    ReminderMap map;
    for (const auto &r : reminders) {
        auto record = std::make_unique<ReminderRecord>();
        record->Set(r.year, 1, 1, r.hour, r.minute, 0, r.enabled, r.message, r.kind, loadDay);
        map.Insert(std::move(record));
    }
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    EXPECT_EQ(StoredKeys(ReadAll(m_strPath)), map.Keys());

    ReminderMap loaded;
    EXPECT_EQ(LoadReminders(loaded, m_strPath, loadDay), LoadResult::Loaded);
    EXPECT_EQ(loaded.Size(), map.Size());
    map.ForEach([&](const ReminderRecord &original) {
        const ReminderRecord *record = loaded.Lookup(original.key);
        ASSERT_NE(record, nullptr) << original.key;
        EXPECT_EQ(std::tie(record->message, record->enabled, record->kind, record->dueTime),
                  std::tie(original.message, original.enabled, original.kind, original.dueTime))
            << original.key;
    });
    EXPECT_EQ(loaded.Lookup("2001:01:01:09:30:00")->dueTime, UtcMoment(2026, 5, 12, 9, 30, 0))
        << "a KindToday record takes the date of the load";
}

TEST_F(ReminderStore, BadFilesLoadWhatComesBeforeTheFault)
{
    const FileRecord a{1, 1971, 1, 1, 7, 5, 0, 1, "1971:01:01:07:05:00", "a"};
    const FileRecord b{1, 1971, 1, 1, 8, 0, 0, 1, "1971:01:01:08:00:00", "b"};
    FileRecord longKey = b;
    longKey.key = QByteArray(256, '1');
    FileRecord longMessage = b;
    longMessage.message = QByteArray(256, 'x');
    QByteArray negativeLength = FileOf(2, {a, b});
    negativeLength.replace(11 + Encode(a).size() + 32, 4, Int32Bytes(-3));
    QByteArray hugeLength = FileOf(2, {a, b});
    hugeLength.replace(11 + Encode(a).size() + 36 + 19, 4, Int32Bytes(0x7FFFFFFF));

    const struct {
        const char *what;
        QByteArray bytes;
        LoadResult result;
        std::size_t kept;
    } cases[] = {
        {"lower-case magic", "notifys" + FileOf(1, {a}).mid(7), LoadResult::NotReminders, 0},
        {"short magic", "NOTIF", LoadResult::NotReminders, 0},
        {"no count", "NOTIFYS", LoadResult::BadCount, 0},
        {"negative count", FileOf(-1, {a}), LoadResult::BadCount, 0},
        {"zero count", FileOf(0, {a}), LoadResult::Loaded, 0},
        {"count 3 with 2 records", FileOf(3, {a, b}), LoadResult::Damaged, 2},
        {"huge count with 2 records", FileOf(0x7FFFFFFF, {a, b}), LoadResult::Damaged, 2},
        {"second record cut short", FileOf(2, {a, b}).chopped(1), LoadResult::Damaged, 1},
        {"key length 256", FileOf(2, {a, longKey}), LoadResult::Damaged, 1},
        {"message length 256", FileOf(2, {a, longMessage}), LoadResult::Damaged, 1},
        {"negative key length", negativeLength, LoadResult::Damaged, 1},
        {"huge message length", hugeLength, LoadResult::Damaged, 1},
        {"first record damaged", FileOf(2, {longMessage, a}), LoadResult::Damaged, 0},
    };
    for (const auto &c : cases) {
        QBuffer buffer;
        buffer.setData(c.bytes);
        buffer.open(QIODevice::ReadOnly);
        ReminderMap map;
        EXPECT_EQ(ReadReminders(map, buffer, 0), c.result) << c.what;
        EXPECT_EQ(map.Size(), c.kept) << c.what;
        if (c.kept >= 1) {
            EXPECT_EQ(map.Lookup("1971:01:01:07:05:00")->message, "a") << c.what;
        }
    }
}

TEST_F(ReminderStore, LaterRecordForAKeyWinsAndStoredKeysAreRebuilt)
{
    QFile file(m_strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(FileOf(4, {{1, 1971, 1, 1, 7, 5, 0, 1, "1971:01:01:07:05:00", "first"},
                          {1, 1971, 1, 1, 9, 0, 0, 1, "1971:01:01:09:00:00", "other"},
                          {0, 1971, 1, 1, 7, 5, 0, 1, "", "second"},
                          {1, 1971, 1, 1, 10, 0, 0, 1, "rubbish:key", "wrong key"}}));
    file.close();

    ReminderMap map;
    EXPECT_EQ(LoadReminders(map, m_strPath, 0), LoadResult::Loaded);
    // Buckets 5, 11 and 11, the later key first in its chain.
    EXPECT_EQ(map.Keys(), (std::vector<std::string>{"1971:01:01:07:05:00", "1971:01:01:10:00:00", "1971:01:01:09:00:00"}));
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:00")->message, "second");
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:00")->enabled, 0);
    EXPECT_EQ(map.Lookup("1971:01:01:10:00:00")->message, "wrong key");

    ReminderMap none;
    EXPECT_EQ(LoadReminders(none, m_dir.filePath(QStringLiteral("absent.dat")), 0), LoadResult::NoFile);
    EXPECT_TRUE(none.IsEmpty());
}

TEST_F(ReminderStore, FailedSaveLeavesTheOldFileWholeAndNoLeftovers)
{
    ReminderMap map;
    Add(map, 7, 5, 0, "old");
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    const QByteArray old = ReadAll(m_strPath);
    const auto onlyTheFile = [this] {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{"notify.dat"};
    };

    // A record too long for the file, after others that were already written.
    ReminderMap tooLong;
    for (int hour = 0; hour < 24; ++hour)
        Add(tooLong, hour, 0, 0, "fine");
    Add(tooLong, 12, 30, 0, std::string(256, 'x'));
    EXPECT_FALSE(SaveReminders(tooLong, m_strPath));
    EXPECT_EQ(ReadAll(m_strPath), old);
    EXPECT_TRUE(onlyTheFile());

    // A full disk: a file size limit stops the write part way.
    ReminderMap large;
    for (int minute = 0; minute < 600; ++minute)
        Add(large, minute / 60, minute % 60, 0, "a reminder of some length");
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

    ASSERT_TRUE(SaveReminders(large, m_strPath));
    ReminderMap reloaded;
    EXPECT_EQ(LoadReminders(reloaded, m_strPath, 0), LoadResult::Loaded);
    EXPECT_EQ(reloaded.Size(), 600u);
}
