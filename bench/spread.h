#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

// With repetitions, every benchmark reports its fastest and slowest run beside the median, so
// that a figure comes with the machine's noise.
inline void withSpread(benchmark::internal::Benchmark* b) {
    b->ComputeStatistics("min", [](const std::vector<double>& runs) {
        return *std::min_element(runs.begin(), runs.end());
    });
    b->ComputeStatistics("max", [](const std::vector<double>& runs) {
        return *std::max_element(runs.begin(), runs.end());
    });
}
