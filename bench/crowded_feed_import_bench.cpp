// GTFS import of a hostile little feed: N stops at one point, all on one trip, each of its own
// name (without a bound on the walks every stop walks to every other, N * (N - 1) walks) or
// all of one name (every pair of them once measured to find the places of one name that are
// one station). The import must stay linear in the stops. Reports the seconds, the peak
// resident memory of the process (the highest so far: run one case per process with
// --benchmark_filter for its own), the walks written and the size of the database.

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "ImportTiming.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

void writeFeed(const std::filesystem::path& folder, int stops, bool oneName) {
    std::ofstream stopsFile(folder / "stops.txt");
    stopsFile << "stop_id,stop_name,stop_lat,stop_lon\n";
    for (int s = 0; s < stops; ++s) {
        stopsFile << "s" << s << ",x" << (oneName ? std::string() : std::to_string(s)) << ",1,1\n";
    }
    // A station elsewhere, so that stops of one name still make a line.
    stopsFile << "far,far,2,2\n";
    std::ofstream(folder / "routes.txt") << "route_id,route_short_name,route_type\nr,1,3\n";
    std::ofstream(folder / "trips.txt") << "route_id,service_id,trip_id\nr,WK,t\n";
    std::ofstream times(folder / "stop_times.txt");
    times << "trip_id,stop_id,stop_sequence,departure_time\n";
    for (int s = 0; s < stops; ++s) times << "t,s" << s << "," << s + 1 << ",06:00:00\n";
    times << "t,far," << stops + 1 << ",07:00:00\n";
}

void BM_ImportStopsAtOnePoint(benchmark::State& state) {
    const int stops = static_cast<int>(state.range(0));
    test::TempDir dir;
    std::filesystem::create_directory(dir / "feed");
    writeFeed(dir / "feed", stops, state.range(1) != 0);

    const ImportSummary summary = timeImports(state, dir / "feed", dir / "busdata");
    state.counters["walks"] = static_cast<double>(summary.walks);
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(dir / "busdata")) / (1024.0 * 1024.0);
}

BENCHMARK(BM_ImportStopsAtOnePoint)
    ->ArgNames({"stops", "one_name"})
    ->Args({5'000, 0})
    ->Args({5'000, 1})
    ->Args({20'000, 1})
    ->Args({20'000, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
}  // namespace busquery

BENCHMARK_MAIN();
