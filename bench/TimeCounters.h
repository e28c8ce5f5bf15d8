#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace busquery {

// Reports the times of single queries, in microseconds, as the counters median_us, p99_us and
// max_us; sorts them to find those.
inline void reportTimes(benchmark::State& state, std::vector<double>& micros) {
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    auto at = [&](double share) {
        return micros[std::min(micros.size() - 1, static_cast<std::size_t>(share * micros.size()))];
    };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
}

}  // namespace busquery
