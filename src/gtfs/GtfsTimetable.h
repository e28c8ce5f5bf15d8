#pragma once

#include <cstdint>
#include <vector>

#include "gtfs/GtfsCalendar.h"
#include "gtfs/GtfsFrequencies.h"
#include "gtfs/GtfsNetwork.h"
#include "gtfs/GtfsTransfers.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ImportSummary.h"
#include "gtfs/TripStops.h"
#include "store/BusDataRows.h"

namespace busquery {

// The trips of the network's lines with their times, and the least change times of
// transfers.txt, as rows of the bus database.
//
// A trip is kept for the line whose stations it stops at, in order (GtfsNetwork::lineOfTrip);
// a stop the trip visits several times in a row is one stop, reached at the first visit and
// left at the last. Times are minutes of the service day, the seconds dropped. Stops without
// times lie between timepoints and get times spaced evenly between them. A trip of
// frequencies.txt stands for one trip at each of its departures, its times shifted by the same
// amount. A trip without a headsign is headed for its last station. Trips on no line of their
// own, without a time at their first or last stop, or whose times go back, are left out and
// counted. Without a calendar every trip runs on service 0, which runs every day.
struct GtfsTimetable {
    std::vector<TripRow> trips;  // by line (lnid), then by departure from the first stop
    std::vector<ChangeRow> changes;
    std::uint64_t stopTimes = 0;  // the times of all trips kept

    static GtfsTimetable build(const GtfsTrips& trips, const TripStops& tripStops,
                               const GtfsFrequencies& frequencies, const GtfsCalendar& calendar,
                               const GtfsTransfers& transfers, const GtfsNetwork& network,
                               ImportSummary& summary);
};

}  // namespace busquery
