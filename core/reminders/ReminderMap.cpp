// ReminderMap: bucket chains in their fixed order, with an index for lookups.
#include "core/reminders/ReminderMap.h"

#include <algorithm>

std::uint32_t ReminderMap::HashKey(const std::string &key)
{
    std::uint32_t hash = 0;
    for (const char c : key)
        hash = hash * 33u + static_cast<unsigned char>(c);
    return hash;
}

std::size_t ReminderMap::BucketOf(const std::string &key)
{
    return HashKey(key) % BucketCount;
}

ReminderRecord *ReminderMap::Lookup(const std::string &key)
{
    const auto found = m_mapIndex.find(key);
    return found == m_mapIndex.end() ? nullptr : found->second;
}

const ReminderRecord *ReminderMap::Lookup(const std::string &key) const
{
    const auto found = m_mapIndex.find(key);
    return found == m_mapIndex.end() ? nullptr : found->second;
}

ReminderRecord *ReminderMap::Insert(std::unique_ptr<ReminderRecord> record)
{
    if (!record)
        return nullptr;
    Remove(record->key);
    ReminderRecord *held = record.get();
    m_arrBuckets[BucketOf(held->key)].push_back(std::move(record));
    m_mapIndex.emplace(held->key, held);
    return held;
}

bool ReminderMap::Remove(const std::string &key)
{
    const auto found = m_mapIndex.find(key);
    if (found == m_mapIndex.end())
        return false;
    const ReminderRecord *record = found->second;
    m_mapIndex.erase(found);
    auto &chain = m_arrBuckets[BucketOf(key)];
    chain.erase(std::find_if(chain.begin(), chain.end(),
                             [record](const auto &held) { return held.get() == record; }));
    if (m_mapIndex.empty())
        DeleteAllReminders();
    return true;
}

void ReminderMap::DeleteAllReminders()
{
    m_mapIndex.clear();
    for (auto &chain : m_arrBuckets) {
        chain.clear();
        chain.shrink_to_fit();
    }
}

std::size_t ReminderMap::Size() const
{
    return m_mapIndex.size();
}

bool ReminderMap::IsEmpty() const
{
    return m_mapIndex.empty();
}

void ReminderMap::ForEach(const std::function<void(ReminderRecord &)> &visit)
{
    for (auto &chain : m_arrBuckets) {
        for (auto held = chain.rbegin(); held != chain.rend(); ++held)
            visit(**held);
    }
}

void ReminderMap::ForEach(const std::function<void(const ReminderRecord &)> &visit) const
{
    for (const auto &chain : m_arrBuckets) {
        for (auto held = chain.rbegin(); held != chain.rend(); ++held)
            visit(**held);
    }
}

std::vector<std::string> ReminderMap::Keys() const
{
    std::vector<std::string> keys;
    keys.reserve(Size());
    ForEach([&keys](const ReminderRecord &record) { keys.push_back(record.key); });
    return keys;
}
