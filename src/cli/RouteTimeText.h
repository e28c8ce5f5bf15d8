#pragma once

#include <ctime>
#include <optional>
#include <string_view>

#include "query/TimedRoute.h"

namespace busquery::cli {

// A route time as typed: "2026-01-08 08:00", "08:00" for today, or "now", in the local time of
// this computer, which is the city's. Nothing for any other text.
std::optional<RouteTime> readRouteTime(std::string_view text, bool arriveBy, std::time_t now);

}  // namespace busquery::cli
