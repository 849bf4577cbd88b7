// The order in which the 17-bucket layout visits keys, worked out independently of the map.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Bucket of a key: the hash taken in 64 bits and cut to 32 bits after every step.
inline unsigned ExpectedBucket(const std::string &key)
{
    std::uint64_t hash = 0;
    for (unsigned char byte : key)
        hash = (hash * 33 + byte) & 0xFFFFFFFFu;
    return static_cast<unsigned>(hash % 17);
}

// Keys inserted one by one (all distinct): bucket by bucket, each bucket's latest key first.
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
