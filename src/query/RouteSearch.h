#pragma once

#include <optional>
#include <string_view>

#include "db/NetworkIndex.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery {

// The route search between strStnaFrom and strStnaTo (each cut back to its station name when it
// holds a picked suggestion line): the direct lines, or else the ranked one-change plans.
// Sets lngRecordNum to the number of direct lines and the outcome Listed, NoOrigin,
// NoDestination, PlansListed or NoRoute.
void routeSearch(const NetworkIndex& index, QueryState& state, ResultPane& pane);

// The two station names of a route query.
struct RouteStations {
    std::string_view from;
    std::string_view to;
};

// The start of every route query: empties the pane, sets lngRecordNum to 0 and cuts both boxes
// back to their station names. When a name is then empty, sets NoOrigin (looked at first) or
// NoDestination and gives nothing.
std::optional<RouteStations> startRouteSearch(QueryState& state, ResultPane& pane);

}  // namespace busquery
