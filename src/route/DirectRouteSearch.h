#pragma once

#include <string_view>
#include <vector>

#include "network/NetworkIndex.h"
#include "route/DirectLine.h"
#include "route/RouteIndex.h"

namespace busquery {

// Every line (of any city, in table order) whose list holds from and, after it, to, both as whole
// names (ASCII letter case ignored: the names' RouteIndex::find; the first occurrence of each
// counts), with the stretch from the origin to the destination and the number of stops.
std::vector<DirectLine> directRouteSearch(const NetworkIndex& index, RouteIndex::FoldedId from,
                                          RouteIndex::FoldedId to);

}  // namespace busquery
