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
#include "store/BusDataRows.h"

namespace busquery {

// The tables of a feed that the network is built from.
struct GtfsTables {
    const GtfsStops& stops;
    const GtfsRoutes& routes;
    const GtfsTrips& trips;
    const TripStops& tripStops;
    const GtfsFrequencies& frequencies;
    const GtfsTransfers& transfers;
};

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
// unique ignoring ASCII case, as the transfer search looks lines up by name: a route whose
// name another route holds is its branch where the two share their stations, else goes by its
// long name, and only where neither tells them apart gets "(2)", "(3)", … (which the summary
// lists).
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
    // By trip number: the line whose stations the trip stops at, in order: all of them, or some
    // (a short or skip-stop run). kNone where no line of its route and direction serves its
    // stops in its order, or for a trip left out.
    std::vector<std::uint32_t> lineOfTrip;
    // By line: its stations as station numbers of GtfsStops, in order.
    std::vector<std::vector<std::uint32_t>> lineStops;
    // By station number of GtfsStops: its row of stations, kNone where no line serves it.
    std::vector<std::uint32_t> stationRow;

    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    // Counts what it made, merged and named apart into the summary, and notes there what it
    // leaves out.
    static GtfsNetwork build(const GtfsTables& feed, std::string_view citycode,
                             ImportSummary& summary);
};

}  // namespace busquery
