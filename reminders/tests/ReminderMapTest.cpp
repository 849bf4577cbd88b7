// Tests of the reminder map: its bucket layout, replacement, removal and ownership of records.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "LayoutOracle.h"
#include "reminders/ReminderMap.h"

namespace {

// A record that counts its destructions.
class CountedRecord : public ReminderRecord
{
public:
    explicit CountedRecord(int &deleted) : m_pDeleted(&deleted) {}
    ~CountedRecord() override { ++*m_pDeleted; }

private:
    int *m_pDeleted;
};

std::unique_ptr<ReminderRecord> MakeRecord(int hour, int minute, int second, const std::string &message)
{
    auto record = std::make_unique<ReminderRecord>();
    record->Set(1971, 1, 1, hour, minute, second, 1, message, ReminderRecord::KindDaily, 0);
    return record;
}

std::unique_ptr<ReminderRecord> MakeCounted(int &deleted, int hour, int minute, int second)
{
    auto record = std::make_unique<CountedRecord>(deleted);
    record->Set(1971, 1, 1, hour, minute, second, 1, "m", ReminderRecord::KindDaily, 0);
    return record;
}

} // namespace

TEST(ReminderMapLayout, BucketIsTheTimes33HashModulo17WithWrapAround)
{
    EXPECT_EQ(ReminderMap::HashKey(""), 0u);
    EXPECT_EQ(ReminderMap::BucketOf("a"), 97u % 17);
    EXPECT_EQ(ReminderMap::BucketOf("ab"), (97u * 33 + 98) % 17);
    // Long keys overflow 32 bits many times over.
    const std::vector<std::string> keys{"1971:01:01:07:05:00", "2008:12:31:23:59:59", std::string(200, '\xFF'),
                                        "-2147483648:-05:99:07:05:00"};
    for (const std::string &key : keys)
        EXPECT_EQ(ReminderMap::BucketOf(key), ExpectedBucket(key)) << key;
}

TEST(ReminderMapLayout, TraversalGoesBucketByBucketEachChainFromItsNewestEntry)
{
    std::mt19937 random(4);
    std::vector<std::string> inserted;
    ReminderMap map;
    EXPECT_TRUE(map.Keys().empty());
    while (inserted.size() < 300) {
        const int seconds = static_cast<int>(random() % 86400);
        auto record = MakeRecord(seconds / 3600, seconds / 60 % 60, seconds % 60, "m");
        if (map.Lookup(record->key))
            continue;
        inserted.push_back(record->key);
        map.Insert(std::move(record));
    }
    EXPECT_EQ(map.Size(), 300u);
    EXPECT_EQ(map.Keys(), ExpectedTraversal(inserted));

    std::vector<std::string> visited;
    const ReminderMap &constMap = map;
    constMap.ForEach([&](const ReminderRecord &record) { visited.push_back(record.key); });
    EXPECT_EQ(visited, ExpectedTraversal(inserted));
}

TEST(ReminderMapEntries, SameKeyReplacesTheRecordAndMovesItToTheHeadOfItsChain)
{
    int deleted = 0;
    ReminderMap map;
    std::vector<std::string> inserted;
    for (int minute = 0; minute < 60; ++minute) {
        inserted.push_back(map.Insert(MakeCounted(deleted, 7, minute, 0))->key);
    }
    const std::string key = "1971:01:01:07:05:00";
    ReminderRecord *replaced = map.Lookup(key);
    ASSERT_NE(replaced, nullptr);

    auto newer = MakeCounted(deleted, 7, 5, 0);
    newer->message = "newer";
    ReminderRecord *held = map.Insert(std::move(newer));
    EXPECT_EQ(deleted, 1) << "the replaced record is deleted";
    EXPECT_EQ(map.Size(), 60u);
    EXPECT_EQ(map.Lookup(key), held);
    EXPECT_EQ(held->message, "newer");

    std::erase(inserted, key);
    inserted.push_back(key);
    EXPECT_EQ(map.Keys(), ExpectedTraversal(inserted));

    EXPECT_EQ(map.Insert(nullptr), nullptr);
    EXPECT_EQ(map.Size(), 60u);
}

TEST(ReminderMapEntries, RemoveDeleteAllAndDestructionDeleteTheRecords)
{
    int deleted = 0;
    {
        ReminderMap map;
        for (int second = 0; second < 30; ++second)
            map.Insert(MakeCounted(deleted, 12, 0, second));
        EXPECT_FALSE(map.Remove("1971:01:01:12:00:30"));
        EXPECT_FALSE(map.Remove("1971:01:01:12:00:0"));
        EXPECT_EQ(deleted, 0);

        EXPECT_TRUE(map.Remove("1971:01:01:12:00:07"));
        EXPECT_EQ(deleted, 1);
        EXPECT_EQ(map.Lookup("1971:01:01:12:00:07"), nullptr);
        EXPECT_EQ(map.Size(), 29u);
        EXPECT_FALSE(map.Remove("1971:01:01:12:00:07"));

        map.DeleteAllReminders();
        EXPECT_EQ(deleted, 30);
        EXPECT_TRUE(map.IsEmpty());
        EXPECT_TRUE(map.Keys().empty());

        map.Insert(MakeCounted(deleted, 1, 2, 3));
        map.Insert(MakeCounted(deleted, 1, 2, 4));
        EXPECT_TRUE(map.Remove("1971:01:01:01:02:03"));
        EXPECT_TRUE(map.Remove("1971:01:01:01:02:04"));
        EXPECT_TRUE(map.IsEmpty());
        map.Insert(MakeCounted(deleted, 1, 2, 5));
        EXPECT_EQ(map.Keys(), std::vector<std::string>{"1971:01:01:01:02:05"});
        EXPECT_EQ(deleted, 32);
    }
    EXPECT_EQ(deleted, 33) << "the map deletes what it holds when it goes";
}

TEST(ReminderMapEntries, LookupFindsExactKeysOnly)
{
    ReminderMap map;
    map.Insert(MakeRecord(7, 5, 0, "one"));
    const ReminderMap &constMap = map;
    ASSERT_NE(constMap.Lookup("1971:01:01:07:05:00"), nullptr);
    EXPECT_EQ(constMap.Lookup("1971:01:01:07:05:00")->message, "one");
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:0"), nullptr);
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:00 "), nullptr);
    EXPECT_EQ(map.Lookup("1972:01:01:07:05:00"), nullptr);
}
