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

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median of each round's own ratio, figure to baseline, both measured
// within the same round: a stretch of the machine being slow then weighs on
// both sides of a ratio instead of on one side of many.
inline double medianRatio(const std::vector<double> &figures, const std::vector<double> &baselines)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < figures.size() && i < baselines.size(); ++i)
        if (baselines[i] > 0)
            ratios.push_back(figures[i] / baselines[i]);
    return median(ratios);
}

// As report(), for figures taken round by round beside their baselines;
// printed as the baseline's median and that times the median ratio.
inline bool reportPaired(const char *name, const std::vector<double> &figures, const std::vector<double> &baselines,
                         double maxRatio, const char *unit = "ms")
{
    const double base = median(baselines);
    return report(name, base * medianRatio(figures, baselines), base, maxRatio, unit);
}

} // namespace bench
