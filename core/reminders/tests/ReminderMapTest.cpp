// Tests of the reminder map: its bucket layout, replacement, removal and ownership of records.
#include <gtest/gtest.h>

#include <memory>

#include "core/reminders/tests/TestSupport.h"
#include "core/reminders/ReminderMap.h"

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

std::unique_ptr<ReminderRecord> MakeRecord(int &deleted, int seconds, const std::string &message = "m")
{
    auto record = std::make_unique<CountedRecord>(deleted);
    record->Set(1971, 1, 1, seconds / 3600, seconds / 60 % 60, seconds % 60, 1, message, ReminderRecord::KindDaily, 0);
    return record;
}

} // namespace

TEST(ReminderMapLayout, TraversalGoesBucketByBucketEachChainFromItsNewestEntry)
{
    // Hash times 33 plus each byte, in 32 bits, modulo 17; worked out by hand.
    const std::pair<std::string, std::size_t> buckets[] = {
        {"a", 12}, {"ab", 1}, {std::string(200, '\xFF'), 7}, {"1971:01:01:07:05:00", 5}, {"1971:01:01:07:05:10", 4}};
    for (const auto &[key, bucket] : buckets)
        EXPECT_EQ(ReminderMap::BucketOf(key), bucket) << key;

    // Buckets 5, 7, 4, 5 and 14.
    int deleted = 0;
    ReminderMap map;
    for (const int second : {11, 2, 10, 0, 9})
        map.Insert(MakeRecord(deleted, 7 * 3600 + 5 * 60 + second));
    const std::vector<std::string> order = {"1971:01:01:07:05:10", "1971:01:01:07:05:00", "1971:01:01:07:05:11",
                                            "1971:01:01:07:05:02", "1971:01:01:07:05:09"};
    EXPECT_EQ(map.Keys(), order);
    std::vector<std::string> visited;
    map.ForEach([&](ReminderRecord &record) { visited.push_back(record.key); });
    EXPECT_EQ(visited, order);

    // The same key again: the old record goes and the new one heads its chain.
    ReminderRecord *held = map.Insert(MakeRecord(deleted, 7 * 3600 + 5 * 60 + 11, "newer"));
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(map.Size(), 5u);
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:11"), held);
    EXPECT_EQ(held->message, "newer");
    EXPECT_EQ(map.Keys(), (std::vector<std::string>{"1971:01:01:07:05:10", "1971:01:01:07:05:11", "1971:01:01:07:05:00",
                                                    "1971:01:01:07:05:02", "1971:01:01:07:05:09"}));
    EXPECT_EQ(map.Insert(nullptr), nullptr);
    EXPECT_EQ(map.Size(), 5u);
}

TEST(ReminderMapEntries, RemoveDeleteAllAndDestructionDeleteTheRecords)
{
    int deleted = 0;
    {
        ReminderMap map;
        for (int second = 0; second < 30; ++second)
            map.Insert(MakeRecord(deleted, 12 * 3600 + second));
        EXPECT_FALSE(map.Remove("1971:01:01:12:00:30"));
        EXPECT_FALSE(map.Remove("1971:01:01:12:00:0"));
        EXPECT_TRUE(map.Remove("1971:01:01:12:00:07"));
        EXPECT_EQ(deleted, 1);
        EXPECT_EQ(map.Lookup("1971:01:01:12:00:07"), nullptr);
        EXPECT_EQ(map.Size(), 29u);

        map.DeleteAllReminders();
        EXPECT_EQ(deleted, 30);
        EXPECT_TRUE(map.IsEmpty() && map.Keys().empty());

        map.Insert(MakeRecord(deleted, 1));
        EXPECT_TRUE(map.Remove("1971:01:01:00:00:01"));
        map.Insert(MakeRecord(deleted, 2));
        map.Insert(MakeRecord(deleted, 3));
        EXPECT_EQ(map.Keys(), (std::vector<std::string>{"1971:01:01:00:00:02", "1971:01:01:00:00:03"}));
        EXPECT_EQ(deleted, 31);
    }
    EXPECT_EQ(deleted, 33) << "the map deletes what it holds when it goes";
}
