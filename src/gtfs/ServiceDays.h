#pragma once

#include <optional>
#include <string>

#include "gtfs/GtfsFeed.h"

namespace busquery {

// The days a feed's calendar runs trips, as the bus database shows a date (2024.3.5).
struct ServiceDays {
    std::string first;  // the first day that runs a trip
    std::string last;   // the last day that runs a trip
    // Where the feed's timetable starts: of the first seven days that run at least half as many
    // trips as the busiest seven days, the first that runs at least half as many trips as the
    // busiest of those seven. A holiday or a small service begun years before the timetable
    // thus does not count.
    std::string timetableStart;
};

// The trips of trips.txt counted on every day of calendar.txt and calendar_dates.txt together
// (dates from 1900 to 2199). None where no day runs a trip.
std::optional<ServiceDays> serviceDays(const GtfsFeed& feed);

}  // namespace busquery
