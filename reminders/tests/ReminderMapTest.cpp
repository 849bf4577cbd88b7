// Tests of the reminder map: its bucket layout, replacement, removal and ownership of records.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "TestSupport.h"
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

std::unique_ptr<ReminderRecord> MakeRecord(int &deleted, int seconds, const std::string &message = "m")
{
    auto record = std::make_unique<CountedRecord>(deleted);
    record->Set(1971, 1, 1, seconds / 3600, seconds / 60 % 60, seconds % 60, 1, message, ReminderRecord::KindDaily, 0);
    return record;
}

} // namespace

TEST(ReminderMapLayout, TraversalGoesBucketByBucketEachChainFromItsNewestEntry)
{
    EXPECT_EQ(ReminderMap::BucketOf("a"), 97u % 17);
    EXPECT_EQ(ReminderMap::BucketOf("ab"), (97u * 33 + 98) % 17);
    EXPECT_EQ(ReminderMap::BucketOf(std::string(200, '\xFF')), ExpectedBucket(std::string(200, '\xFF')));

    int deleted = 0;
    std::mt19937 random(4);
    std::vector<std::string> inserted;
    ReminderMap map;
    while (inserted.size() < 300) {
        auto record = MakeRecord(deleted, static_cast<int>(random() % 86400));
        if (!map.Lookup(record->key))
            inserted.push_back(map.Insert(std::move(record))->key);
    }
    EXPECT_EQ(map.Size(), 300u);
    EXPECT_EQ(map.Keys(), ExpectedTraversal(inserted));
    std::vector<std::string> visited;
    std::as_const(map).ForEach([&](const ReminderRecord &record) { visited.push_back(record.key); });
    EXPECT_EQ(visited, ExpectedTraversal(inserted));
}

TEST(ReminderMapEntries, SameKeyDeletesTheOldRecordAndPutsTheNewOneAtTheHead)
{
    int deleted = 0;
    ReminderMap map;
    std::vector<std::string> inserted;
    for (int minute = 0; minute < 60; ++minute)
        inserted.push_back(map.Insert(MakeRecord(deleted, 7 * 3600 + minute * 60))->key);

    ReminderRecord *held = map.Insert(MakeRecord(deleted, 7 * 3600 + 5 * 60, "newer"));
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(map.Size(), 60u);
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:00"), held);
    EXPECT_EQ(held->message, "newer");
    std::erase(inserted, "1971:01:01:07:05:00");
    inserted.push_back("1971:01:01:07:05:00");
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
        EXPECT_EQ(map.Keys(), ExpectedTraversal({"1971:01:01:00:00:02", "1971:01:01:00:00:03"}));
        EXPECT_EQ(deleted, 31);
    }
    EXPECT_EQ(deleted, 33) << "the map deletes what it holds when it goes";
}
