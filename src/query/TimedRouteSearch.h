#pragma once

#include <string_view>

#include "network/NetworkIndex.h"
#include "query/Answer.h"
#include "query/RouteSearch.h"
#include "query/TimedRoute.h"
#include "route/TimedSearchState.h"

namespace busquery {

// The route search between two route boxes at a time. With a timetable in the data: the
// journeys by the clock, outcome TimedJourneysListed, or NoTimedJourney when none leaves (or
// arrives) within a day; NoOrigin, NoDestination and SameStation as the route search has them.
// Without one: the route search itself over the lines whose service hours cover the time,
// naming in answer.timed the lines it left out. The search states are the caller's; the timed
// one is prepared here when it does not fit the network.
Answer timedRouteAnswer(const NetworkIndex& index, RouteSearchState& routeState,
                        TimedSearchState& search, std::string_view fromBox,
                        std::string_view toBox, const RouteTime& time);

}  // namespace busquery
