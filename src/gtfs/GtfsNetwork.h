#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/GtfsFrequencies.h"
#include "gtfs/GtfsRoutes.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ImportSummary.h"
#include "gtfs/TripStops.h"
#include "store/BusDatabaseWriter.h"

namespace busquery {

// The rows of the bus database that a feed gives.
//
// Each route and direction becomes one line: the stop pattern most trips run (ties go to the
// pattern met first), named after the route with "上行" for direction 0, "下行" for direction 1
// and no word where the feed gives none. A pattern that serves a station the route's lines so
// far miss becomes a branch line of its own ("支线", "支线2", …), so every station a route
// serves lies on one of its lines; the other patterns are short or skip-stop runs of a line
// that starts where they start, and their departures count for that line.
//
// Lines are numbered (lnid) by route_sort_order (routes without one last), then by the natural
// order of the route names, then by file order, direction and branch. Every line name is
// unique ignoring ASCII case, as the transfer search looks lines up by name; a name the feed
// repeats gets "(2)", "(3)", … before its direction word.
struct GtfsNetwork {
    std::vector<LineRow> lines;        // in lnid order
    std::vector<StationRow> stations;  // in the order they first appear on the lines
    std::vector<std::string> lineIds;  // table no: each route's list name once, in lnid order
    std::uint64_t routes = 0;          // routes that gave a line
    std::uint64_t branchLines = 0;
    std::uint64_t trips = 0;  // trips whose stops made a pattern
    // Of them, trips some line of their route carries from their first station to their last.
    std::uint64_t tripsInOrder = 0;

    static GtfsNetwork build(const GtfsStops& stops, const GtfsRoutes& routes,
                             const GtfsTrips& trips, const TripStops& tripStops,
                             const GtfsFrequencies& frequencies, std::string_view citycode,
                             ImportSummary& summary);
};

}  // namespace busquery
