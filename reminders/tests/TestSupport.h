// Shared by the reminder tests: a pinned time zone, UTC moments, the expected map order.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <QDateTime>
#include <QTimeZone>

#include "platform/LocalTime.h"

// Sets TZ for the lifetime of the object and restores the previous value afterwards.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone)
    {
        if (const char *old = std::getenv("TZ"))
            m_strOld = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_strOld)
            setenv("TZ", m_strOld->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone &) = delete;
    ScopedTimeZone &operator=(const ScopedTimeZone &) = delete;

private:
    std::optional<std::string> m_strOld;
};

inline platform::Moment UtcMoment(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc()).toSecsSinceEpoch();
}

// Bucket of a key, worked out apart from the map: the hash in 64 bits, cut to 32 after every step.
inline unsigned ExpectedBucket(const std::string &key)
{
    std::uint64_t hash = 0;
    for (unsigned char byte : key)
        hash = (hash * 33 + byte) & 0xFFFFFFFFu;
    return static_cast<unsigned>(hash % 17);
}

// Distinct keys inserted one by one, in traversal order: bucket by bucket, latest key first.
inline std::vector<std::string> ExpectedTraversal(const std::vector<std::string> &insertedKeys)
{
    std::vector<std::string> order;
    for (unsigned bucket = 0; bucket < 17; ++bucket) {
        for (auto key = insertedKeys.rbegin(); key != insertedKeys.rend(); ++key) {
            if (ExpectedBucket(*key) == bucket)
                order.push_back(*key);
        }
    }
    return order;
}
