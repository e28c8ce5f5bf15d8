#include "gtfs/GtfsTimetable.h"

#include <algorithm>
#include <map>

namespace busquery {
namespace {

constexpr std::string_view kTrips = "trips.txt";
constexpr ServiceSeconds kLastSecond = TripTimes::kLastMinute * 60 + 59;

// The times of one trip at its stations, in seconds.
struct StationTimes {
    std::vector<std::uint32_t> stations;
    std::vector<ServiceSeconds> arrivals;
    std::vector<ServiceSeconds> departures;
};

// One entry per run of visits to the same station; negative where no visit has a time.
void collapseVisits(std::span<const StopVisit> visits, StationTimes& times) {
    times.stations.clear();
    times.arrivals.clear();
    times.departures.clear();
    std::uint32_t station = 0;
    for (const StopVisit& visit : visits) {
        if (!times.arrivals.empty() && visit.station == station) {
            if (times.arrivals.back() < 0) times.arrivals.back() = visit.arrival;
            if (visit.departure >= 0) times.departures.back() = visit.departure;
            continue;
        }
        station = visit.station;
        times.stations.push_back(station);
        times.arrivals.push_back(visit.arrival);
        times.departures.push_back(visit.departure);
    }
    for (std::size_t i = 0; i < times.arrivals.size(); ++i) {
        if (times.arrivals[i] < 0) times.arrivals[i] = times.departures[i];
        if (times.departures[i] < 0) times.departures[i] = times.arrivals[i];
    }
}

// Gives the stops between timepoints evenly spaced times. The reason a trip cannot be kept, or
// empty.
std::string_view completeTimes(StationTimes& times) {
    const std::size_t count = times.arrivals.size();
    if (times.arrivals.front() < 0 || times.arrivals.back() < 0) {
        return "班次首站或末站没有时刻，未写入时刻表";
    }
    std::size_t known = 0;
    for (std::size_t i = 1; i < count; ++i) {
        if (times.arrivals[i] < 0) continue;
        const ServiceSeconds from = times.departures[known];
        const ServiceSeconds to = times.arrivals[i];
        for (std::size_t j = known + 1; j < i; ++j) {
            const auto step = static_cast<std::int64_t>(to - from) *
                              static_cast<std::int64_t>(j - known) /
                              static_cast<std::int64_t>(i - known);
            times.arrivals[j] = times.departures[j] = from + static_cast<ServiceSeconds>(step);
        }
        known = i;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (times.departures[i] < times.arrivals[i] ||
            (i + 1 < count && times.arrivals[i + 1] < times.departures[i])) {
            return "班次时刻倒退，未写入时刻表";
        }
    }
    return {};
}

// Where each station of the trip lies on its line, the first match in order; false when the
// line does not serve them in that order.
bool placeOnLine(const std::vector<std::uint32_t>& line, const StationTimes& times,
                 std::vector<std::uint32_t>& positions) {
    positions.clear();
    auto at = line.begin();
    for (const std::uint32_t station : times.stations) {
        at = std::find(at, line.end(), station);
        if (at == line.end()) return false;
        positions.push_back(static_cast<std::uint32_t>(at - line.begin()));
        ++at;
    }
    return true;
}

// The times shifted by offset seconds, in minutes, at the line's stops (positions of a trip with
// lineStops stops); false when they pass what a minute of 16 bits holds.
bool toMinutes(const StationTimes& times, const std::vector<std::uint32_t>& positions,
               std::size_t lineStops, ServiceSeconds offset, TripTimes& minutes) {
    minutes.arrivals.assign(lineStops, TripTimes::kNoStop);
    minutes.departures.assign(lineStops, TripTimes::kNoStop);
    if (times.departures.back() + offset > kLastSecond) return false;
    for (std::size_t i = 0; i < times.arrivals.size(); ++i) {
        minutes.arrivals[positions[i]] =
            static_cast<std::uint16_t>((times.arrivals[i] + offset) / 60);
        minutes.departures[positions[i]] =
            static_cast<std::uint16_t>((times.departures[i] + offset) / 60);
    }
    return true;
}

std::vector<ChangeRow> changeRows(const GtfsTransfers& transfers, const GtfsNetwork& network) {
    // Of several stop pairs between the same two stations, the longest time holds.
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::size_t> rowOf;
    std::vector<ChangeRow> rows;
    for (const StationChange& change : transfers.changes) {
        const std::uint32_t from = network.stationRow[change.from];
        const std::uint32_t to = network.stationRow[change.to];
        if (from == GtfsNetwork::kNone || to == GtfsNetwork::kNone) continue;
        const auto minutes = static_cast<std::uint32_t>((change.seconds + 59) / 60);
        auto [it, added] = rowOf.try_emplace({from, to}, rows.size());
        if (added) {
            rows.push_back(
                ChangeRow{network.stations[from].stna, network.stations[to].stna, minutes});
        } else {
            rows[it->second].minutes = std::max(rows[it->second].minutes, minutes);
        }
    }
    return rows;
}

}  // namespace

GtfsTimetable GtfsTimetable::build(const GtfsTrips& trips, const TripStops& tripStops,
                                   const GtfsFrequencies& frequencies, const GtfsCalendar& calendar,
                                   const GtfsTransfers& transfers, const GtfsNetwork& network,
                                   ImportSummary& summary) {
    struct Kept {
        std::uint32_t line;
        ServiceSeconds leaves;
        TripRow row;
    };
    std::vector<Kept> kept;
    StationTimes times;
    std::vector<std::uint32_t> positions;
    TripTimes minutes;
    for (std::uint32_t trip = 0; trip < trips.tripIds.size(); ++trip) {
        collapseVisits(tripStops.visits(trip), times);
        // Trips of fewer than two stations were counted when the patterns were made.
        if (times.arrivals.size() < 2) continue;
        const std::uint32_t line = network.lineOfTrip[trip];
        if (line == GtfsNetwork::kNone || !placeOnLine(network.lineStops[line], times, positions)) {
            summary.skip(kTrips, "班次的停靠站与其线路不同，未写入时刻表", 0, "trip_id",
                         trips.tripIds.id(trip));
            continue;
        }
        if (auto problem = completeTimes(times); !problem.empty()) {
            summary.skip(kTrips, problem, 0, "trip_id", trips.tripIds.id(trip));
            continue;
        }
        std::vector<ServiceSeconds> offsets{0};
        if (auto runs = frequencies.runs.find(trip); runs != frequencies.runs.end()) {
            offsets.clear();
            for (const FrequencyRun& run : runs->second) {
                for (ServiceSeconds start = run.start; start < run.end; start += run.headway) {
                    offsets.push_back(start - times.departures.front());
                }
            }
        }
        const std::string& headsign = trips.headsign[trip];
        const std::uint32_t lastStation = tripStops.visits(trip).back().station;
        for (ServiceSeconds offset : offsets) {
            if (!toMinutes(times, positions, network.lineStops[line].size(), offset, minutes)) {
                summary.skip(kTrips, "班次时刻超出范围，未写入时刻表", 0, "trip_id",
                             trips.tripIds.id(trip));
                break;
            }
            TripRow row{network.lines[line].lnid, calendar.given ? trips.service[trip] : 0,
                        headsign.empty() ? network.stations[network.stationRow[lastStation]].stna
                                         : headsign,
                        minutes};
            kept.push_back(Kept{line, times.departures.front() + offset, std::move(row)});
        }
    }
    std::stable_sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) {
        if (a.line != b.line) return a.line < b.line;
        return a.leaves < b.leaves;
    });

    GtfsTimetable timetable;
    timetable.trips.reserve(kept.size());
    for (Kept& trip : kept) {
        timetable.stopTimes += static_cast<std::uint64_t>(
            std::count_if(trip.row.times.arrivals.begin(), trip.row.times.arrivals.end(),
                          [](std::uint16_t a) { return a != TripTimes::kNoStop; }));
        timetable.trips.push_back(std::move(trip.row));
    }
    timetable.changes = changeRows(transfers, network);
    return timetable;
}

}  // namespace busquery
