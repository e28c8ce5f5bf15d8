#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "network/NetworkIndex.h"
#include "query/Answer.h"
#include "route/DirectLine.h"
#include "route/JourneySearch.h"
#include "route/Plan.h"
#include "route/TransferRouteSearch.h"

namespace busquery {

// What a route search came to.
enum class RouteFinding {
    NoOrigin,       // the origin names no station
    NoDestination,  // the destination names no station
    SameStation,    // both boxes name one station
    Direct,         // direct lines
    OneChange,      // ranked one-change plans
    Journeys,       // journeys with more changes or walks
    Nothing,        // both stations exist, but no way between them
};

struct RouteFound {
    RouteFinding finding = RouteFinding::Nothing;
    std::string from;  // the two stations as the answer names them, once both boxes name one
    std::string to;
    std::vector<DirectLine> direct;
    std::vector<Plan> plans;  // one-change plans or journeys, by finding
};

// The searches' working tables, sized to the network on first use and kept by their owner from
// one search to the next, so that a search allocates little once they have grown.
struct RouteSearchState {
    TransferRouteSearch transfers;
    JourneySearchState journeys;
};

// The route search between two route boxes (each cut back to its station name when it holds a
// picked suggestion line): the direct lines, or else the ranked one-change plans, or else the
// journeys with more changes or walks.
RouteFound routeSearch(const NetworkIndex& index, RouteSearchState& state, std::string_view fromBox,
                       std::string_view toBox);

// A route query's answer to what the search found: its outcome code, its rows, and as records
// the number of direct lines.
Answer routeAnswer(RouteFound found);

}  // namespace busquery
