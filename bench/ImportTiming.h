#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>

#include "gtfs/GtfsImporter.h"

namespace busquery {

// Imports FEED into OUT once per iteration (OUT removed before each) and reports the mean
// seconds of an import and the process's peak memory as the counters seconds and peak_rss_MB.
// Returns the last import's summary.
inline ImportSummary timeImports(benchmark::State& state, const std::filesystem::path& feed,
                                 const std::filesystem::path& out) {
    GtfsImportOptions options;
    options.feed = feed;
    options.out = out;
    ImportSummary summary;
    double seconds = 0;
    for (auto _ : state) {
        std::filesystem::remove(options.out);
        auto begin = std::chrono::steady_clock::now();
        summary = importGtfs(options);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["seconds"] = seconds / static_cast<double>(state.iterations());
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return summary;
}

}  // namespace busquery
