#pragma once

#include <cstdint>
#include <string_view>

#include "db/NetworkIndex.h"
#include "query/ResultPane.h"

namespace busquery {

// Writes every line (of any city, in table order) whose list holds from and, after it, to, both
// as whole names (ASCII letter case ignored; the first occurrence of each counts): its name, the
// stretch from the origin to the destination and the number of stops. Returns how many lines
// were written.
std::int32_t directRouteSearch(const NetworkIndex& index, std::string_view from,
                               std::string_view to, ResultPane& pane);

// One direct line: lnna (direction words removed) and "经过站点：" in black, then the stretch as
// written in the list and "(共N站)" in blue, and an empty line.
void writeDirectLine(ResultPane& pane, std::string_view lnna, std::string_view stretch,
                     std::int64_t stops);

}  // namespace busquery
