#pragma once

#include <string>
#include <vector>

#include "network/NetworkIndex.h"
#include "query/Answer.h"
#include "query/Language.h"
#include "route/Timetable.h"

namespace busquery {

// The departures of a line from its first station on a service day, compact: a run of three or
// more equal gaps reads "06:20 … 每10分钟 … 23:40", so "06:05 06:20 … 每10分钟 … 23:40"
// ("… every 10 min …" in English). Empty when none of its trips runs that day.
std::string departuresText(const std::vector<ServiceMinute>& departures,
                           Language language = Language::Chinese);

// For each line a line lookup listed (the city's lines in lnid order, matched by their
// columns), its departures on the day in order: nothing at all when the data has no timetable.
std::vector<std::vector<ServiceMinute>> lineDepartures(const NetworkIndex& index,
                                                       const std::vector<LineEntry>& lines,
                                                       ServiceDay day);

}  // namespace busquery
