// Tests of the reminder file: exact bytes, round trips, damaged files and saves that fail.
#include <gtest/gtest.h>

#include <tuple>

#include "core/reminders/tests/TestSupport.h"
#include "core/files/tests/TempFolder.h"
#include "tests/support/FullDisk.h"
#include "core/reminders/ReminderStore.h"

namespace {

std::string Int32Bytes(std::int32_t value)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF);
    return bytes;
}

std::int32_t Int32At(const std::string &bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(bits);
}

struct FileRecord {
    std::int32_t enabled, year, month, day, hour, minute, second, kind;
    std::string key;
    std::string message;
};

std::string Encode(const FileRecord &r)
{
    std::string bytes;
    for (std::int32_t field : {r.enabled, r.year, r.month, r.day, r.hour, r.minute, r.second, r.kind})
        bytes += Int32Bytes(field);
    return bytes + Int32Bytes(static_cast<std::int32_t>(r.key.size())) + r.key
        + Int32Bytes(static_cast<std::int32_t>(r.message.size())) + r.message;
}

std::string FileOf(std::int32_t count, const std::vector<FileRecord> &records)
{
    std::string bytes = "NOTIFYS" + Int32Bytes(count);
    for (const FileRecord &r : records)
        bytes += Encode(r);
    return bytes;
}

// The keys stored in a file, in file order.
std::vector<std::string> StoredKeys(const std::string &file)
{
    std::vector<std::string> keys;
    std::size_t offset = 11;
    for (std::int32_t i = 0; i < Int32At(file, 7); ++i) {
        const auto keyLength = static_cast<std::size_t>(Int32At(file, offset + 32));
        keys.push_back(file.substr(offset + 36, keyLength));
        offset += 40 + keyLength + static_cast<std::size_t>(Int32At(file, offset + 36 + keyLength));
    }
    EXPECT_EQ(offset, file.size());
    return keys;
}

std::string ReadAll(const std::filesystem::path &path)
{
    return ReadFile(path);
}

class ReminderStore : public ::testing::Test
{
protected:
    ScopedTimeZone m_utc{"UTC0"};
    TempFolder m_dir;
    std::filesystem::path m_strPath = m_dir.Path() / "notify.dat";
};

} // namespace

TEST_F(ReminderStore, EmptyMapAndOneDailyReminderGiveTheirExactBytes)
{
    ReminderMap map;
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    EXPECT_EQ(ReadAll(m_strPath), std::string("NOTIFYS\0\0\0\0", 11));

    Add(map, 7, 5, 0, "\xC6\xF0\xB4\xB2");
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    const std::string expected = std::string("NOTIFYS\x01\x00\x00\x00", 11)
        + std::string("\x01\x00\x00\x00" "\xB3\x07\x00\x00" "\x01\x00\x00\x00" "\x01\x00\x00\x00"
                     "\x07\x00\x00\x00" "\x05\x00\x00\x00" "\x00\x00\x00\x00" "\x01\x00\x00\x00"
                     "\x13\x00\x00\x00", 36)
        + "1971:01:01:07:05:00" + std::string("\x04\x00\x00\x00", 4) + "\xC6\xF0\xB4\xB2";
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
    longKey.key = std::string(256, '1');
    FileRecord longMessage = b;
    longMessage.message = std::string(256, 'x');
    std::string negativeLength = FileOf(2, {a, b});
    negativeLength.replace(11 + Encode(a).size() + 32, 4, Int32Bytes(-3));
    std::string hugeLength = FileOf(2, {a, b});
    hugeLength.replace(11 + Encode(a).size() + 36 + 19, 4, Int32Bytes(0x7FFFFFFF));

    const struct {
        const char *what;
        std::string bytes;
        LoadResult result;
        std::size_t kept;
    } cases[] = {
        {"lower-case magic", "notifys" + FileOf(1, {a}).substr(7), LoadResult::NotReminders, 0},
        {"short magic", "NOTIF", LoadResult::NotReminders, 0},
        {"no count", "NOTIFYS", LoadResult::BadCount, 0},
        {"negative count", FileOf(-1, {a}), LoadResult::BadCount, 0},
        {"zero count", FileOf(0, {a}), LoadResult::Loaded, 0},
        {"count 3 with 2 records", FileOf(3, {a, b}), LoadResult::Damaged, 2},
        {"huge count with 2 records", FileOf(0x7FFFFFFF, {a, b}), LoadResult::Damaged, 2},
        {"second record cut short", FileOf(2, {a, b}).substr(0, FileOf(2, {a, b}).size() - 1), LoadResult::Damaged, 1},
        {"key length 256", FileOf(2, {a, longKey}), LoadResult::Damaged, 1},
        {"message length 256", FileOf(2, {a, longMessage}), LoadResult::Damaged, 1},
        {"negative key length", negativeLength, LoadResult::Damaged, 1},
        {"huge message length", hugeLength, LoadResult::Damaged, 1},
        {"first record damaged", FileOf(2, {longMessage, a}), LoadResult::Damaged, 0},
    };
    for (const auto &c : cases) {
        ReminderMap map;
        EXPECT_EQ(ReadReminders(map, c.bytes, 0), c.result) << c.what;
        EXPECT_EQ(map.Size(), c.kept) << c.what;
        if (c.kept >= 1) {
            EXPECT_EQ(map.Lookup("1971:01:01:07:05:00")->message, "a") << c.what;
        }
    }
}

TEST_F(ReminderStore, LaterRecordForAKeyWinsAndStoredKeysAreRebuilt)
{
    WriteFile(m_strPath, FileOf(4, {{1, 1971, 1, 1, 7, 5, 0, 1, "1971:01:01:07:05:00", "first"},
                          {1, 1971, 1, 1, 9, 0, 0, 1, "1971:01:01:09:00:00", "other"},
                          {0, 1971, 1, 1, 7, 5, 0, 1, "", "second"},
                          {1, 1971, 1, 1, 10, 0, 0, 1, "rubbish:key", "wrong key"}}));

    ReminderMap map;
    EXPECT_EQ(LoadReminders(map, m_strPath, 0), LoadResult::Loaded);
    // Buckets 5, 11 and 11, the later key first in its chain.
    EXPECT_EQ(map.Keys(), (std::vector<std::string>{"1971:01:01:07:05:00", "1971:01:01:10:00:00", "1971:01:01:09:00:00"}));
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:00")->message, "second");
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:00")->enabled, 0);
    EXPECT_EQ(map.Lookup("1971:01:01:10:00:00")->message, "wrong key");

    ReminderMap none;
    EXPECT_EQ(LoadReminders(none, m_dir.Path() / "absent.dat", 0), LoadResult::NoFile);
    EXPECT_TRUE(none.IsEmpty());
}

TEST_F(ReminderStore, FailedSaveLeavesTheOldFileWholeAndNoLeftovers)
{
    ReminderMap map;
    Add(map, 7, 5, 0, "old");
    ASSERT_TRUE(SaveReminders(map, m_strPath));
    const std::string old = ReadAll(m_strPath);
    const auto onlyTheFile = [this] { return m_dir.Entries() == std::vector<std::string>{"notify.dat"}; };

    // A record too long for the file, after others that were already written.
    ReminderMap tooLong;
    for (int hour = 0; hour < 24; ++hour)
        Add(tooLong, hour, 0, 0, "fine");
    Add(tooLong, 12, 30, 0, std::string(256, 'x'));
    EXPECT_FALSE(SaveReminders(tooLong, m_strPath));
    EXPECT_EQ(ReadAll(m_strPath), old);
    EXPECT_TRUE(onlyTheFile());

    ReminderMap large;
    for (int minute = 0; minute < 600; ++minute)
        Add(large, minute / 60, minute % 60, 0, "a reminder of some length");
    if (testsupport::CanFillDisk()) {
        // A full disk: a file size limit stops the write part way.
        EXPECT_FALSE(testsupport::RunOnFullDisk([&] { return SaveReminders(large, m_strPath); }, 4096));
        EXPECT_EQ(ReadAll(m_strPath), old);
        EXPECT_TRUE(onlyTheFile());
    }

    ASSERT_TRUE(SaveReminders(large, m_strPath));
    ReminderMap reloaded;
    EXPECT_EQ(LoadReminders(reloaded, m_strPath, 0), LoadResult::Loaded);
    EXPECT_EQ(reloaded.Size(), 600u);
}
