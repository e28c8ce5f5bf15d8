// The search by the clock on 10,000 random pairs of stations at random times of a weekday, in a
// generated timetable the size of a large city's (about 25,000 trips and 600,000 stop times) and
// one of about 1.6 million stop times: the earliest journeys alone (range 0), with the hour of
// later departures (range 60), and the plain search over every trip event that the tests compare
// with, on the first kReferenceQueries of the same queries (it is slow), in the same run. Each
// query is timed by itself; the median, the 99th percentile and the slowest in microseconds are
// reported, with the share of queries answered. TIMED_BENCH_DB may name a bus database with a
// timetable (an imported feed), searched the same way.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "TimeCounters.h"
#include "network/BusData.h"
#include "reference/RandomTimetable.h"
#include "reference/ReferenceTimedSearch.h"
#include "route/TimedSearch.h"

namespace busquery {
namespace {

// TIMED_BENCH_QUERIES may ask for fewer, for a count of instructions under callgrind.
const std::size_t kQueries = [] {
    const char* count = std::getenv("TIMED_BENCH_QUERIES");
    return count == nullptr ? std::size_t{10000} : std::strtoull(count, nullptr, 10);
}();

// The processor time of this thread, which the other programs on a busy machine do not swell.
double threadMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}
const std::size_t kReferenceQueries = std::min<std::size_t>(100, kQueries);
constexpr ServiceDay kSecondMonday = 20458 + 7;

struct City {
    TimetableBuilder builder;
    TimedNetwork network;
    std::vector<TimedQuery> queries;
};

City& cityOfSize(std::uint32_t lines) {
    static std::map<std::uint32_t, std::unique_ptr<City>> cities;
    auto& city = cities[lines];
    if (city) return *city;
    std::mt19937 random(20261208);
    RandomTimetableShape shape;
    shape.columns = 60;
    shape.rows = 55;
    shape.lines = lines;
    shape.minStops = 15;
    shape.maxStops = 35;
    shape.minHeadway = 8;
    shape.maxHeadway = 40;
    city = std::make_unique<City>(City{randomTimetable(random, shape), {}, {}});
    city->network = TimedNetwork::assemble(city->builder.timetable(), city->builder.parts());
    std::vector<TimedNetwork::Station> served;
    for (TimedNetwork::Station s = 0; s < city->network.stationCount; ++s) {
        if (!city->network.stopsOf(s).empty()) served.push_back(s);
    }
    std::uniform_int_distribution<std::size_t> pick(0, served.size() - 1);
    while (city->queries.size() < kQueries) {
        TimedQuery query;
        query.origin = served[pick(random)];
        query.destination = served[pick(random)];
        if (query.origin == query.destination) continue;
        query.day = kSecondMonday + static_cast<ServiceDay>(random() % 5);
        query.minute = static_cast<std::uint32_t>(random() % 1440);
        city->queries.push_back(query);
    }
    return *city;
}

void describe(benchmark::State& state, const City& city) {
    const Timetable& timetable = city.builder.timetable();
    const double stopTimes = static_cast<double>(timetable.arrivals.size());
    state.counters["trips"] = static_cast<double>(timetable.trips.size());
    state.counters["stop_times"] = stopTimes;
    state.counters["stations"] = static_cast<double>(city.network.stationCount);
    state.counters["routes"] = static_cast<double>(city.network.routes.size());
    // What the timetable and the search's own network keep per stop time.
    const double bytes =
        static_cast<double>(timetable.arrivals.size() * sizeof(ServiceMinute) * 2 +
                            timetable.trips.size() * sizeof(Timetable::Trip) +
                            city.network.routeTrips.size() * sizeof(std::uint32_t) +
                            city.network.routeServices.size() * sizeof(std::uint32_t) +
                            city.network.sameServiceAfter.size() * sizeof(std::uint16_t) * 2 +
                            city.network.stopsAt.size() * sizeof(TimedNetwork::StopAt) +
                            city.network.departuresByStop.size() * sizeof(ServiceMinute));
    state.counters["bytes_per_stop_time"] = bytes / stopTimes;
}

// range(0): 0 the earliest journeys, 60 with the hour after, -1 the plain reference.
void run(benchmark::State& state, std::uint32_t lines) {
    City& city = cityOfSize(lines);
    describe(state, city);
    TimedSearchState search;
    search.prepare(city.network);
    const ReferenceTimedSearch reference(city.builder.timetable(), city.builder.parts());
    std::vector<double> micros;
    std::vector<double> cpuMicros;
    std::size_t next = 0;
    std::size_t answered = 0;
    for (auto _ : state) {
        TimedQuery query = city.queries[next++];
        bool found = false;
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadMicros();
        if (state.range(0) < 0) {
            const auto arrivals = reference.earliestArrivals(
                query.origin, query.destination, journeyMinute(query.day, query.minute));
            found = arrivals[ReferenceTimedSearch::kMaxRides] != ReferenceTimedSearch::kNone;
        } else {
            query.rangeMinutes = static_cast<std::uint32_t>(state.range(0));
            const auto answer = searchByClock(city.network, search, query);
            found = !answer.journeys.empty();
        }
        cpuMicros.push_back(threadMicros() - cpuStart);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        answered += found ? 1 : 0;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    std::sort(cpuMicros.begin(), cpuMicros.end());
    state.counters["cpu_median_us"] = cpuMicros[cpuMicros.size() / 2];
    state.counters["cpu_p99_us"] = cpuMicros[cpuMicros.size() * 99 / 100];
    reportTimes(state, micros);
    state.counters["answered_share"] = static_cast<double>(answered) / static_cast<double>(next);
}

// The same searches on the timetable of a bus database.
void BM_Database(benchmark::State& state) {
    const char* file = std::getenv("TIMED_BENCH_DB");
    if (file == nullptr) {
        state.SkipWithError("TIMED_BENCH_DB names no busdata file");
        for (auto _ : state) {
        }
        return;
    }
    state.SetLabel(file);
    static BusData data{std::filesystem::path(file)};
    data.refresh();
    const auto start = std::chrono::steady_clock::now();
    const TimedNetwork& network = data.index().derived<TimedNetwork>();
    const std::chrono::duration<double> loaded = std::chrono::steady_clock::now() - start;
    state.counters["load_ms"] = loaded.count() * 1e3;
    state.counters["stop_times"] = static_cast<double>(network.timetable->arrivals.size());
    state.counters["routes"] = static_cast<double>(network.routes.size());
    state.counters["stations"] = static_cast<double>(network.stationCount);
    // What the bounds to a destination are found from, per stop time.
    state.counters["hop_bytes_per_stop_time"] =
        static_cast<double>((network.hopsInto.size() + network.hopsOutOf.size()) *
                            sizeof(TimedNetwork::Hop)) /
        static_cast<double>(network.timetable->arrivals.size());
    std::vector<TimedNetwork::Station> served;
    for (TimedNetwork::Station s = 0; s < network.stationCount; ++s) {
        if (!network.stopsOf(s).empty()) served.push_back(s);
    }
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> pick(0, served.size() - 1);
    // The week from the Monday on which the most services run.
    const Timetable& timetable = *network.timetable;
    ServiceDay monday = timetable.firstDay;
    std::uint32_t most = 0;
    for (ServiceDay day = timetable.firstDay; day < timetable.firstDay + timetable.dayCount;
         ++day) {
        if ((day + 3) % 7 != 0) continue;  // day 0, 1970-01-01, was a Thursday
        std::uint32_t running = 0;
        for (std::uint32_t service = 0; service < network.serviceCount; ++service) {
            running += timetable.runs(service, day) ? 1 : 0;
        }
        if (running > most) {
            most = running;
            monday = day;
        }
    }
    TimedSearchState search;
    search.prepare(network);
    std::vector<double> micros;
    std::size_t answered = 0;
    std::size_t done = 0;
    for (auto _ : state) {
        TimedQuery query;
        do {
            query.origin = served[pick(random)];
            query.destination = served[pick(random)];
        } while (query.origin == query.destination);
        query.day = monday + static_cast<ServiceDay>(random() % 5);
        query.minute = static_cast<std::uint32_t>(random() % 1440);
        query.rangeMinutes = static_cast<std::uint32_t>(state.range(0));
        const double cpuStart = threadMicros();
        const auto answer = searchByClock(network, search, query);
        micros.push_back(threadMicros() - cpuStart);
        state.SetIterationTime(micros.back() / 1e6);
        answered += answer.journeys.empty() ? 0 : 1;
        ++done;
    }
    reportTimes(state, micros);
    state.counters["answered_share"] = static_cast<double>(answered) / static_cast<double>(done);
}

void BM_LargeCity(benchmark::State& state) {
    run(state, 520);
}
void BM_LargerCity(benchmark::State& state) {
    run(state, 1400);
}

BENCHMARK(BM_LargeCity)
    ->ArgName("range")
    ->Arg(0)
    ->Arg(60)
    ->Iterations(static_cast<benchmark::IterationCount>(kQueries))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeCity)
    ->ArgName("range")
    ->Arg(-1)
    ->Iterations(kReferenceQueries)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Database)
    ->ArgName("range")
    ->Arg(0)
    ->Arg(60)
    ->Iterations(static_cast<benchmark::IterationCount>(kQueries))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargerCity)
    ->ArgName("range")
    ->Arg(0)
    ->Arg(60)
    ->Iterations(static_cast<benchmark::IterationCount>(kQueries))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace busquery

BENCHMARK_MAIN();
