#pragma once

#include "network/NetworkIndex.h"
#include "query/Answer.h"
#include "query/QueryState.h"
#include "query/TimedRoute.h"
#include "route/TimedSearchState.h"

namespace busquery {

// The route search between strStnaFrom and strStnaTo at a time. With a timetable in the data:
// the journeys by the clock, outcome TimedJourneysListed, or NoTimedJourney when none leaves
// (or arrives) within a day; NoOrigin, NoDestination and SameStation as the route search has
// them. Without one: the route search itself over the lines whose service hours cover the time,
// naming in answer.timed the lines it left out. The search state is the caller's, prepared here
// when it does not fit the network.
void timedRouteSearch(const NetworkIndex& index, QueryState& state, Answer& answer,
                      const RouteTime& time, TimedSearchState& search);

}  // namespace busquery
