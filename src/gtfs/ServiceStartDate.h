#pragma once

#include <optional>
#include <string>

#include "gtfs/GtfsFeed.h"

namespace busquery {

// The first day of service a feed without feed_info.txt tells: the earliest start_date of
// calendar.txt, else the earliest date of calendar_dates.txt, as the bus database shows a date
// (2024.3.5). None where neither file has a valid date (YYYYMMDD).
std::optional<std::string> serviceStartDate(const GtfsFeed& feed);

}  // namespace busquery
