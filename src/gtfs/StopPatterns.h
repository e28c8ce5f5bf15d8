#pragma once

#include <cstdint>
#include <vector>

#include "gtfs/DepartureRange.h"
#include "gtfs/GtfsFrequencies.h"
#include "gtfs/GtfsRoutes.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ImportSummary.h"
#include "gtfs/TripStops.h"

namespace busquery {

// The stations of a trip, a station repeated at once counted once.
struct StopPattern {
    std::vector<std::uint32_t> stations;  // station numbers of GtfsStops
    std::uint32_t trips = 0;
    DepartureRange departures;
};

// The trips of one route in one direction.
struct PatternGroup {
    std::uint32_t route;
    Direction direction;
    std::vector<std::uint32_t> patterns;  // in the order first met
};

// Every trip's stop pattern, grouped by route and direction, each distinct pattern once with
// its trip count and departures.
struct StopPatterns {
    std::vector<PatternGroup> groups;  // possibly empty ones among them
    std::vector<StopPattern> patterns;
    std::uint64_t trips = 0;                   // trips with a pattern of two stations or more
    std::vector<std::uint32_t> patternOfTrip;  // by trip number; kNoPattern for the others

    static constexpr std::uint32_t kNoPattern = 0xFFFFFFFF;

    static StopPatterns collect(const GtfsRoutes& routes, const GtfsTrips& trips,
                                const TripStops& tripStops, const GtfsFrequencies& frequencies,
                                ImportSummary& summary);

    // Gives a direction to the patterns of trips without one, so that the way back never reads
    // as a branch. A pattern that runs the stations it shares with the route's main pattern
    // mostly in the opposite order is the other direction; the comparison takes in the few
    // busiest patterns already placed on either side, and where a pattern shares too little
    // to tell, the way it heads (first to last station) decides. A route with directions in
    // the feed places its undirected trips beside them. Otherwise the main pattern's side is
    // 上行, unless an earlier route of the same name runs the other way: repeated routes then
    // read alike and their same lines can be merged. A route found to run one way only stays
    // without a direction.
    void inferDirections(const GtfsRoutes& routes, const GtfsStops& stops);
};

}  // namespace busquery
