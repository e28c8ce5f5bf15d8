#pragma once

#include <string_view>

#include "db/NetworkIndex.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery {

// Lists every station whose name contains the station part (taken from the picked suggestion
// line, else from strQueryFrom), narrowed by the picked road part, with the distinct lines that
// stop there. Sets lngRecordNum and the outcome StationsListed or NoStation.
void stationLookup(const NetworkIndex& index, std::string_view pickedLine, QueryState& state,
                   ResultPane& pane);

}  // namespace busquery
