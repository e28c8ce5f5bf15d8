#pragma once

#include "db/NetworkIndex.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery {

// Lists every line of the city whose name begins with strQueryLnna (every "路" removed; a
// numeric request must be followed by "路"), in lnid order, with its times and stations.
// Sets lngRecordNum and the outcome Listed or NoLine.
void lineLookup(const NetworkIndex& index, QueryState& state, ResultPane& pane);

// The name prefix a line request looks for: the request without "路", plus "路" when numeric.
std::string linePrefix(std::string_view request);

// A plain decimal number, blanks around it allowed: 12, 12.5, " 12". Not: "", "B1", "夜1".
bool isNumericText(std::string_view text);

}  // namespace busquery
