#pragma once

#include "db/NetworkIndex.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery {

// The route search between strStnaFrom and strStnaTo: the direct lines, or else the ranked
// one-change plans. Sets lngRecordNum and the outcome.
void routeSearch(const NetworkIndex& index, QueryState& state, ResultPane& pane);

}  // namespace busquery
