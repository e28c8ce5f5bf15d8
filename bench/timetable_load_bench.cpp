// Loading the timetable of a generated city with trips (busquery-cli sample --timetables) on
// the first question that needs it: the time of Timetable::build over an open database, the
// memory the loaded timetable takes per stop time, and the bytes the timetable tables add to
// the file per stop time. The cities are the sample at scale 1 (about 16,000 trips and 630,000
// stop times, as many as Strasbourg's feed has) and at scale 3 (about 1.7 million stop times).

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "network/BusData.h"
#include "route/Timetable.h"
#include "sample/SampleCity.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

std::size_t bytesInMemory(const Timetable& t) {
    std::size_t bytes = t.lines.capacity() * sizeof(Timetable::Line) +
                        t.trips.capacity() * sizeof(Timetable::Trip) +
                        (t.arrivals.capacity() + t.departures.capacity()) * sizeof(ServiceMinute) +
                        t.serviceDays.capacity() * sizeof(std::uint64_t) +
                        t.headsigns.capacity() * sizeof(std::string);
    for (const std::string& sign : t.headsigns) {
        if (sign.capacity() > 15) bytes += sign.capacity() + 1;
    }
    return bytes;
}

void loadTimetable(benchmark::State& state) {
    test::TempDir dir;
    SampleCityOptions options;
    options.scale = static_cast<int>(state.range(0));
    writeSampleCity(dir / "plain", options);
    options.timetables = true;
    const SampleCitySize size = writeSampleCity(dir / "busdata", options);

    BusData data(dir / "busdata");
    data.refresh();
    std::size_t memory = 0;
    for (auto _ : state) {
        Timetable timetable = Timetable::build(data.index());
        benchmark::DoNotOptimize(timetable.trips.data());
        memory = bytesInMemory(timetable);
    }
    const auto stopTimes = static_cast<double>(size.stopTimes);
    state.counters["trips"] = static_cast<double>(size.trips);
    state.counters["stop_times"] = stopTimes;
    state.counters["memory_bytes_per_stop_time"] = static_cast<double>(memory) / stopTimes;
    state.counters["file_bytes_per_stop_time"] =
        static_cast<double>(std::filesystem::file_size(dir / "busdata") -
                            std::filesystem::file_size(dir / "plain")) /
        stopTimes;
}
BENCHMARK(loadTimetable)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace busquery

BENCHMARK_MAIN();
