#pragma once
// Small helpers shared by the benchmarks: medians of repeated runs and one
// line of output per measurement with its ratio to a baseline.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double medianMs(int runs, const std::function<void()> &body)
{
    std::vector<double> t;
    t.reserve(static_cast<size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// Prints one line: the figure, its baseline, their ratio, the target and
// PASS or MISS. `make bench` fails when any line says MISS.
inline bool report(const char *name, double ms, double baselineMs, double maxRatio, const char *unit = "ms")
{
    const double ratio = baselineMs > 0 ? ms / baselineMs : 0;
    const bool ok = ratio <= maxRatio;
    std::printf("%-52s %10.3f %s  baseline %10.3f %s  ratio %5.2f  target <= %.2f  %s\n", name, ms, unit, baselineMs,
                unit, ratio, maxRatio, ok ? "PASS" : "MISS");
    std::fflush(stdout);
    return ok;
}

} // namespace bench
