#pragma once

#include <cstdint>
#include <vector>

#include "route/RouteIndex.h"

namespace busquery {

struct NetworkIndex;

// The network as the search for journeys with more changes reads it: stations are the route
// index's FoldedIds, lines are the lines of the city with their stops in travelling order, and
// the walks of nstwalk join two stations.
struct JourneyNetwork {
    struct Line {
        std::uint32_t line;                       // index into NetworkIndex::lines
        std::vector<RouteIndex::FoldedId> stops;  // kNone for an empty piece: a stop, no station
    };

    // One stop of a line at a station.
    struct Stop {
        std::uint32_t line;  // index into lines
        std::uint32_t position;
    };

    struct Walk {
        RouteIndex::FoldedId to;
        std::uint32_t metres;
        std::uint32_t row;  // the nstwalk row it comes from (NetworkIndex::walks), for its names
    };

    std::vector<Line> lines;
    std::vector<std::vector<Stop>> stopsAt;    // FoldedId → every stop of a city line there
    std::vector<std::vector<Walk>> walksFrom;  // FoldedId → the shortest walk to each other one
    std::vector<std::vector<Walk>> walksTo;  // the same walks by where they end; `to` is the start

    static JourneyNetwork build(const NetworkIndex& network);

    std::uint32_t stationCount() const { return static_cast<std::uint32_t>(stopsAt.size()); }
};

// What a walk adds to a journey's cost: one for every started 250 metres.
inline std::uint32_t walkCost(std::uint32_t metres) {
    return (metres + 249) / 250;
}

}  // namespace busquery
