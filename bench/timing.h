#pragma once

// The stopwatch the benchmarks that time whole runs share.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace innvera::bench {

// How long `work` took, in milliseconds of wall time.
inline double milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The middle one of some timings (the upper middle of an even count).
inline double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace innvera::bench
