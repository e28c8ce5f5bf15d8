#pragma once

#include "network/NetworkIndex.h"
#include "query/Answer.h"
#include "query/QueryState.h"

namespace busquery {

// The route search between strStnaFrom and strStnaTo (each cut back to its station name when it
// holds a picked suggestion line): fills the answer's stations and its direct lines, or else its
// ranked one-change plans, or else its journeys with more changes or walks. Sets lngRecordNum to
// the number of direct lines and the outcome (in the state and the answer) Listed, NoOrigin,
// NoDestination, PlansListed, JourneysListed, SameStation or NoRoute.
void routeSearch(const NetworkIndex& index, QueryState& state, Answer& answer);

}  // namespace busquery
