// Route queries on the generated sample city and on ten times its size, answered from the network
// index and by the statement-per-step reference, pieces included. Each benchmark times every
// query by itself and reports the median, the 99th percentile and the slowest in microseconds.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "TimeCounters.h"
#include "network/BusData.h"
#include "query/PieceRecorder.h"
#include "query/Renderer.h"
#include "query/RouteSearch.h"
#include "reference/ReferenceRouteSearch.h"
#include "route/TransferRouteSearch.h"
#include "sample/SampleCity.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

using StationPair = std::pair<std::string, std::string>;

constexpr int kPairs = 10000;

struct City {
    test::TempDir dir;
    std::unique_ptr<BusData> data;
    std::vector<StationPair> pairs;  // random station names, the same in every run
    StationPair worst;               // the busiest stations without a direct line, most plans
    std::size_t worstPlans = 0;
};

// The two stations among the forty served by the most lines whose transfer search yields the
// most candidate plans.
void findWorstPair(City& city) {
    const NetworkIndex& index = city.data->index();
    std::vector<std::uint32_t> busiest(index.stations().size());
    for (std::uint32_t i = 0; i < busiest.size(); ++i) busiest[i] = i;
    std::partial_sort(busiest.begin(), busiest.begin() + 40, busiest.end(),
                      [&](std::uint32_t a, std::uint32_t b) {
                          return index.stations()[a].lines.size() >
                                 index.stations()[b].lines.size();
                      });
    busiest.resize(40);

    TransferRouteSearch search;
    RouteSearchState searches;
    for (std::uint32_t a : busiest) {
        for (std::uint32_t b : busiest) {
            if (a == b) continue;
            const std::string_view from = index.stations()[a].stna;
            const std::string_view to = index.stations()[b].stna;
            // A direct line: the transfer search never runs.
            if (!routeSearch(index, searches, from, to).direct.empty()) continue;
            search.run(index, index.derived<RouteIndex>().find(from),
                       index.derived<RouteIndex>().find(to));
            if (search.arrPlan.size() > city.worstPlans) {
                city.worstPlans = search.arrPlan.size();
                city.worst = {std::string(from), std::string(to)};
            }
        }
    }
}

City& cityOfScale(int scale) {
    static std::map<int, std::unique_ptr<City>> cities;
    auto& city = cities[scale];
    if (city) return *city;

    city = std::make_unique<City>();
    SampleCityOptions options;
    options.scale = scale;
    writeSampleCity(city->dir / "busdata", options);
    city->data = std::make_unique<BusData>(city->dir / "busdata");
    city->data->refresh();

    const auto& stations = city->data->index().stations();
    std::mt19937 random(20090106);
    std::uniform_int_distribution<std::size_t> pick(0, stations.size() - 1);
    for (int i = 0; i < kPairs; ++i) {
        city->pairs.emplace_back(stations[pick(random)].stna, stations[pick(random)].stna);
    }
    findWorstPair(*city);
    return *city;
}

// One query per iteration, the pairs in turn; the iteration count says how many pairs.
void askPairs(benchmark::State& state, bool reference, const std::vector<StationPair>& pairs,
              BusData& data) {
    std::vector<double> micros;
    micros.reserve(state.max_iterations);
    std::size_t next = 0;
    RouteSearchState searches;
    for (auto _ : state) {
        const auto& [from, to] = pairs[next++ % pairs.size()];
        PieceRecorder pane;
        const auto start = std::chrono::steady_clock::now();
        Answer answer{QueryMode::MultiStation};
        if (reference) {
            QueryState query;
            query.strStnaFrom = from;
            query.strStnaTo = to;
            test::referenceRouteSearch(data.database(), query, answer);
            answer.outcome = query.intOutState;
        } else {
            answer = routeAnswer(routeSearch(data.index(), searches, from, to));
        }
        render(answer, pane);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(pane.pieces().data());
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    reportTimes(state, micros);
}

void BM_RandomPairs(benchmark::State& state) {
    City& city = cityOfScale(static_cast<int>(state.range(0)));
    askPairs(state, state.range(1) != 0, city.pairs, *city.data);
}

void BM_WorstPair(benchmark::State& state) {
    City& city = cityOfScale(10);
    state.SetLabel(city.worst.first + " → " + city.worst.second + ", " +
                   std::to_string(city.worstPlans) + " plans");
    askPairs(state, state.range(0) != 0, {city.worst}, *city.data);
}

// range(0): sample scale; range(1): 1 for the reference statements.
BENCHMARK(BM_RandomPairs)
    ->ArgNames({"scale", "reference"})
    ->Args({1, 0})
    ->Args({10, 0})
    ->Iterations(kPairs)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
// The reference is slow on the large city; a tenth of the pairs gives its figures.
BENCHMARK(BM_RandomPairs)
    ->ArgNames({"scale", "reference"})
    ->Args({1, 1})
    ->Args({10, 1})
    ->Iterations(kPairs / 10)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorstPair)
    ->ArgName("reference")
    ->Arg(0)
    ->Iterations(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorstPair)
    ->ArgName("reference")
    ->Arg(1)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace busquery

BENCHMARK_MAIN();
