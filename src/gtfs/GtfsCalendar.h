#pragma once

#include <optional>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ImportSummary.h"
#include "store/BusDataRows.h"

namespace busquery {

// calendar.txt and calendar_dates.txt (either may be null: not in the feed) for the services the
// trips run on: one service row for each service number of GtfsTrips (without weekdays where
// calendar.txt does not name it), and the days calendar_dates.txt adds or removes. A service
// neither file names never runs. Rows that cannot be read, or name a service no trip runs on, are
// left out and counted. A file without the columns it needs is not used, and said so.
struct GtfsCalendar {
    bool given = false;  // either file is in the feed; otherwise every service runs every day
    std::vector<ServiceRow> services;
    std::vector<ServiceDateRow> dates;

    static GtfsCalendar read(CsvTable* calendar, CsvTable* dates, const GtfsTrips& trips,
                             ImportSummary& summary);
};

}  // namespace busquery
