// GTFS import of a synthetic feed with ten million stop_times rows, generated in a temporary
// folder: rows of stop_times.txt read per second over the whole import (all files read, lines
// built, stations placed, walks found, database written) and the peak resident memory of the
// process.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <numbers>
#include <string>

#include "ImportTiming.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

constexpr int kStations = 20000;
constexpr int kRoutes = 500;
constexpr int kStopsPerTrip = 25;
// Stations stand on a lattice of kColumns columns, kSpacingMetres apart: each has its four
// neighbours within walking distance.
constexpr int kColumns = 200;
constexpr double kSpacingMetres = 350;
constexpr int kTransfers = 2000;

std::string clock(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

// Every route runs both directions over kStopsPerTrip of the stations; every tenth trip ends one
// stop early and every fiftieth takes a branch, so the line building has work to do.
// Trips are spread over the day; rows of a trip stand together, as in real feeds.
void writeFeed(const std::filesystem::path& folder, long long rows) {
    std::ofstream stops(folder / "stops.txt");
    stops << "stop_id,stop_name,stop_lat,stop_lon\n";
    const double latStep = kSpacingMetres / 111195.0;
    const double lonStep = latStep / std::cos(30.0 * std::numbers::pi / 180);
    char position[64];
    for (int s = 0; s < kStations; ++s) {
        std::snprintf(position, sizeof position, "%.6f,%.6f", 30.0 + s / kColumns * latStep,
                      120.0 + s % kColumns * lonStep);
        stops << "s" << s << ",站" << s << "," << position << "\n";
    }
    std::ofstream transfers(folder / "transfers.txt");
    transfers << "from_stop_id,to_stop_id,transfer_type,min_transfer_time\n";
    for (int t = 0; t < kTransfers; ++t) {
        transfers << "s" << t * 7 % kStations << ",s" << (t * 7 + 3 * kColumns) % kStations << ",2,"
                  << 120 + t % 5 * 60 << "\n";
    }
    std::ofstream routes(folder / "routes.txt");
    routes << "route_id,agency_id,route_short_name,route_long_name,route_type\n";
    for (int r = 0; r < kRoutes; ++r) routes << "r" << r << ",A," << r + 1 << ",,3\n";

    std::ofstream trips(folder / "trips.txt");
    trips << "route_id,service_id,trip_id,direction_id\n";
    std::ofstream times(folder / "stop_times.txt");
    times << "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    long long written = 0;
    for (long long t = 0; written < rows; ++t) {
        const int route = static_cast<int>(t % kRoutes);
        const long long round = t / kRoutes;  // the route's trips come round by round
        const int direction = static_cast<int>(round % 2);
        const bool shortRun = round / 2 % 10 == 0;
        const bool branch = round / 2 % 50 == 7;
        trips << "r" << route << ",WK,t" << t << "," << direction << "\n";
        const int start = 5 * 3600 + static_cast<int>(round / 2 % 1000) * 60;
        const int stops = static_cast<int>(
            std::min<long long>(shortRun ? kStopsPerTrip - 1 : kStopsPerTrip, rows - written));
        written += stops;
        for (int k = 0; k < stops; ++k) {
            int position = direction == 0 ? k : kStopsPerTrip - 1 - k;
            int station = (route * 37 + position * 11) % kStations;
            if (branch && k == kStopsPerTrip / 2) station = (route * 41 + 7) % kStations;
            std::string time = clock(start + k * 90);
            times << "t" << t << "," << time << "," << time << ",s" << station << "," << k + 1
                  << "\n";
        }
    }
}

void BM_ImportGtfs(benchmark::State& state) {
    const long long rows = state.range(0);
    test::TempDir dir;
    std::filesystem::create_directory(dir / "feed");
    writeFeed(dir / "feed", rows);

    const ImportSummary summary = timeImports(state, dir / "feed", dir / "busdata");
    state.counters["stop_times_rows"] = static_cast<double>(summary.stopTimes);
    state.counters["rows_per_second"] =
        static_cast<double>(summary.stopTimes) / state.counters["seconds"];
    state.counters["lines"] = static_cast<double>(summary.lines);
    state.counters["walks"] = static_cast<double>(summary.walks);
}

BENCHMARK(BM_ImportGtfs)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace busquery

BENCHMARK_MAIN();
