// The median wall time of a piece of work over a few runs, for the picture benchmarks.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

inline double MedianMilliseconds(const std::function<void()> &work, int runs = 9)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
