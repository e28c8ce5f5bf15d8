#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/GtfsFrequencies.h"
#include "gtfs/GtfsRoutes.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/GtfsTransfers.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ImportSummary.h"
#include "gtfs/TripStops.h"
#include "store/BusDatabaseWriter.h"

namespace busquery {

// The rows of the bus database that a feed gives.
//
// Each route and direction becomes one line: the stop pattern most trips run (ties go to the
// pattern met first), named after the route with "上行" for direction 0, "下行" for direction 1.
// Trips without a direction_id are given one (StopPatterns::inferDirections). A pattern that
// serves a station the route's lines in that direction so far miss becomes a branch line of
// its own ("支线", "支线2", …), so every station a route serves lies on one of its lines; the
// other patterns are short or skip-stop runs of a line that starts where they start, and their
// departures count for that line.
//
// Lines of the same name and mode that run the very same stations are one line (a feed that
// repeats a route under new ids for each timetable period): the first keeps its place and takes
// the others' departures.
//
// Lines are numbered (lnid) by route_sort_order (routes without one last), then by the natural
// order of the route names, then by file order, direction and branch. Every line name is
// unique ignoring ASCII case, as the transfer search looks lines up by name; a name the feed
// repeats for lines that differ gets "(2)", "(3)", … before its direction word.
//
// Stations are named apart where a name stands for places far apart (nameStationsApart); the
// ones with a position get a row of nstpos, and walks join the stations near each other or
// joined by transfers.txt (stationWalks).
struct GtfsNetwork {
    std::vector<LineRow> lines;          // in lnid order
    std::vector<StationRow> stations;    // in the order they first appear on the lines
    std::vector<PositionRow> positions;  // of the stations that have one, in station order
    std::vector<WalkRow> walks;
    std::vector<std::string> lineIds;  // table no: each route's list name once, in lnid order
    std::uint64_t routes = 0;          // routes that gave a line
    std::uint64_t branchLines = 0;
    std::uint64_t trips = 0;  // trips whose stops made a pattern
    // Of them, trips some line of their route carries from their first station to their last.
    std::uint64_t tripsInOrder = 0;
    std::uint64_t mergedLines = 0;  // lines that repeated an earlier one and became part of it
    std::uint64_t namesSplit = 0;   // names that stand for several stations, named apart
    // By trip number: the line whose stations the trip stops at, in order, kNone where its
    // stops are those of no line (a short or skip-stop run, or a trip left out).
    std::vector<std::uint32_t> lineOfTrip;
    // By station number of GtfsStops: its row of stations, kNone where no line serves it.
    std::vector<std::uint32_t> stationRow;

    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    static GtfsNetwork build(const GtfsStops& stops, const GtfsRoutes& routes,
                             const GtfsTrips& trips, const TripStops& tripStops,
                             const GtfsFrequencies& frequencies, const GtfsTransfers& transfers,
                             std::string_view citycode, ImportSummary& summary);
};

}  // namespace busquery
