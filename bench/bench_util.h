#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

// Small helpers shared by the benchmarks.
namespace bench {

inline double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

inline double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The value below which `fraction` of the samples lie.
inline double Percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const auto at = std::min(samples.size() - 1, std::size_t(fraction * double(samples.size())));
    return samples[at];
}

} // namespace bench
