// ReminderMap: the reminders by time key, in a 17-bucket layout that fixes file and firing order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/reminders/ReminderRecord.h"

// Owns its records. Traversal visits buckets 0 to 16 and each bucket's chain from its head; a new
// entry goes to the head of its chain. The bucket of a key is its hash modulo 17, the hash being
// built from 0 as hash * 33 + byte for each byte, in unsigned 32-bit arithmetic.
class ReminderMap
{
public:
    static constexpr std::size_t BucketCount = 17;

    ReminderMap() = default;
    ~ReminderMap() = default;
    ReminderMap(const ReminderMap &) = delete;
    ReminderMap &operator=(const ReminderMap &) = delete;
    ReminderMap(ReminderMap &&) = default;
    ReminderMap &operator=(ReminderMap &&) = default;

    static std::uint32_t HashKey(const std::string &key);
    static std::size_t BucketOf(const std::string &key);

    // The record under `key`, or nullptr.
    ReminderRecord *Lookup(const std::string &key);
    const ReminderRecord *Lookup(const std::string &key) const;

    // Puts the record in under its `key` field, as a new entry at the head of its chain. A record
    // already held under that key is deleted and its entry removed first. Returns the record held
    // now (nullptr for a null record, which is ignored).
    ReminderRecord *Insert(std::unique_ptr<ReminderRecord> record);

    // Removes the entry for `key` and deletes its record. Returns false when there was none.
    bool Remove(const std::string &key);

    // Deletes every record.
    void DeleteAllReminders();

    std::size_t Size() const;
    bool IsEmpty() const;

    // Visits every record in traversal order. The callback must not insert or remove entries.
    void ForEach(const std::function<void(ReminderRecord &)> &visit);
    void ForEach(const std::function<void(const ReminderRecord &)> &visit) const;

    // The keys in traversal order.
    std::vector<std::string> Keys() const;

private:
    // Each bucket's chain, tail first: the head of the chain is the last element.
    std::array<std::vector<std::unique_ptr<ReminderRecord>>, BucketCount> m_arrBuckets;
    std::unordered_map<std::string, ReminderRecord *> m_mapIndex;
};
