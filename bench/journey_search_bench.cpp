// The search for journeys with more changes and walks, on the pairs of stations that neither a
// direct line nor one change connects, in the sample city ten times its size (and in the city of
// the busdata file JOURNEY_BENCH_DB names, when set: an imported feed). Each query is timed by
// itself; the median, the 99th percentile, the slowest in microseconds and the share of pairs
// that get a journey are reported.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "query/RouteSearch.h"
#include "route/JourneySearch.h"
#include "sample/SampleCity.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

constexpr int kTriedPairs = 40000;

struct City {
    test::TempDir dir;
    std::unique_ptr<BusData> data;
    // Pairs the direct and the one-change search leave without an answer, as FoldedIds.
    std::vector<std::pair<RouteIndex::FoldedId, RouteIndex::FoldedId>> pairs;
};

void findUnansweredPairs(City& city) {
    const NetworkIndex& index = city.data->index();
    const RouteIndex& routes = index.derived<RouteIndex>();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> pick(0, index.stations.size() - 1);
    for (int i = 0; i < kTriedPairs; ++i) {
        const std::string& from = index.stations[pick(random)].stna;
        const std::string& to = index.stations[pick(random)].stna;
        QueryState state;
        state.strStnaFrom = from;
        state.strStnaTo = to;
        Answer answer;
        answer.mode = QueryMode::MultiStation;
        routeSearch(index, state, answer);
        if (state.intOutState == OutcomeCode::JourneysListed ||
            state.intOutState == OutcomeCode::NoRoute) {
            city.pairs.emplace_back(*routes.find(from), *routes.find(to));
        }
    }
}

City& cityNamed(const std::string& name) {
    static std::map<std::string, std::unique_ptr<City>> cities;
    auto& city = cities[name];
    if (city) return *city;
    city = std::make_unique<City>();
    if (name == "sample10") {
        SampleCityOptions options;
        options.scale = 10;
        writeSampleCity(city->dir / "busdata", options);
        city->data = std::make_unique<BusData>(city->dir / "busdata");
    } else {
        city->data = std::make_unique<BusData>(name);
    }
    city->data->refresh();
    findUnansweredPairs(*city);
    return *city;
}

void runPairs(benchmark::State& state, City& city) {
    const NetworkIndex& index = city.data->index();
    index.derived<JourneyNetwork>();  // built once per network, not per query
    JourneySearch search;
    std::vector<double> micros;
    std::size_t next = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        if (city.pairs.empty()) {
            state.SkipWithError("no pair without a direct line or one change");
            return;
        }
        const auto [from, to] = city.pairs[next++ % city.pairs.size()];
        const auto start = std::chrono::steady_clock::now();
        auto journeys = search.run(index, from, to);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(journeys.data());
        found += journeys.empty() ? 0 : 1;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    auto at = [&](double share) {
        return micros[std::min(micros.size() - 1, static_cast<std::size_t>(share * micros.size()))];
    };
    state.counters["pairs"] = static_cast<double>(city.pairs.size());
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
    state.counters["found_share"] = static_cast<double>(found) / static_cast<double>(micros.size());
}

void BM_SampleScale10(benchmark::State& state) {
    runPairs(state, cityNamed("sample10"));
}

void BM_ImportedCity(benchmark::State& state) {
    const char* file = std::getenv("JOURNEY_BENCH_DB");
    if (file == nullptr) {
        state.SkipWithError("JOURNEY_BENCH_DB names no busdata file");
        for (auto _ : state) {
        }
        return;
    }
    state.SetLabel(file);
    runPairs(state, cityNamed(file));
}

BENCHMARK(BM_SampleScale10)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportedCity)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace busquery

BENCHMARK_MAIN();
