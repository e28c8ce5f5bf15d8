// The search for journeys with more changes and walks, on 10,000 pairs of stations that neither
// a direct line nor one change connects (the route search's "no route" before the journeys), in
// the sample city ten times its size and in the city of the busdata file JOURNEY_BENCH_DB names
// (an imported feed), when set. Each query is timed by itself; the median, the 99th percentile,
// the slowest in microseconds and the share of pairs that get a journey are reported. The same
// pairs are also timed through the statement-per-step route search that answered them with "no
// route", in the same run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "TimeCounters.h"
#include "network/BusData.h"
#include "query/RouteSearch.h"
#include "reference/ReferenceRouteSearch.h"
#include "route/JourneySearch.h"
#include "sample/SampleCity.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

constexpr std::size_t kPairs = 10000;
constexpr int kMostTries = 200000;

struct Pair {
    std::string from;
    std::string to;
    RouteIndex::FoldedId foldedFrom;
    RouteIndex::FoldedId foldedTo;
};

struct City {
    test::TempDir dir;
    std::unique_ptr<BusData> data;
    std::vector<Pair> pairs;  // random pairs without a direct line or one change, every run alike
};

void findUnansweredPairs(City& city) {
    const NetworkIndex& index = city.data->index();
    const RouteIndex& routes = index.derived<RouteIndex>();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> pick(0, index.stations().size() - 1);
    RouteSearchState searches;
    for (int i = 0; i < kMostTries && city.pairs.size() < kPairs; ++i) {
        const std::string_view from = index.stations()[pick(random)].stna;
        const std::string_view to = index.stations()[pick(random)].stna;
        const RouteFinding finding = routeSearch(index, searches, from, to).finding;
        if (finding == RouteFinding::Journeys || finding == RouteFinding::Nothing) {
            city.pairs.push_back(
                Pair{std::string(from), std::string(to), *routes.find(from), *routes.find(to)});
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

void report(benchmark::State& state, const City& city, std::vector<double>& micros) {
    state.counters["pairs"] = static_cast<double>(city.pairs.size());
    reportTimes(state, micros);
}

// One pair per iteration, each pair once.
void searchJourneys(benchmark::State& state, City& city) {
    const NetworkIndex& index = city.data->index();
    index.derived<JourneyNetwork>();  // built once per network, not per query
    JourneySearchState searchState;
    JourneySearch search(searchState);
    std::vector<double> micros;
    std::size_t next = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const Pair& pair = city.pairs[next++];
        const auto start = std::chrono::steady_clock::now();
        auto journeys = search.run(index, pair.foldedFrom, pair.foldedTo);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(journeys.data());
        found += journeys.empty() ? 0 : 1;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    report(state, city, micros);
    state.counters["found_share"] = static_cast<double>(found) / static_cast<double>(next);
}

// The route search statement by statement, which ends these pairs with "no route".
void searchByStatements(benchmark::State& state, City& city) {
    std::vector<double> micros;
    std::size_t next = 0;
    for (auto _ : state) {
        const Pair& pair = city.pairs[next++];
        QueryState query;
        query.strStnaFrom = pair.from;
        query.strStnaTo = pair.to;
        Answer answer{QueryMode::MultiStation};
        const auto start = std::chrono::steady_clock::now();
        test::referenceRouteSearch(city.data->database(), query, answer);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(answer);
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    report(state, city, micros);
}

// range(0): 0 for the journeys, 1 for the statements.
void run(benchmark::State& state, City& city) {
    if (city.pairs.size() < static_cast<std::size_t>(state.max_iterations)) {
        state.SkipWithError("fewer pairs without a direct line or one change than iterations");
        for (auto _ : state) {
        }
        return;
    }
    if (state.range(0) == 0) {
        searchJourneys(state, city);
    } else {
        searchByStatements(state, city);
    }
}

void BM_SampleScale10(benchmark::State& state) {
    run(state, cityNamed("sample10"));
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
    run(state, cityNamed(file));
}

BENCHMARK(BM_SampleScale10)
    ->ArgName("statements")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kPairs)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportedCity)
    ->ArgName("statements")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kPairs)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace busquery

BENCHMARK_MAIN();
