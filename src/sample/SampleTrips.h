#pragma once

#include <cstdint>
#include <vector>

#include "sample/SampleNetwork.h"
#include "store/BusDataRows.h"

namespace busquery {

// First and last departure from a line's first stop, in minutes of the service day; a window
// past midnight counts on past 24:00.
struct ServiceWindow {
    int first;
    int last;
};

// The trips of one line of the sample city, added to trips: departures from its first stop
// through each service window, as often as its kind runs at that time of day (more often at
// the morning and evening peaks, less early and late; night lines every 20 minutes), each
// reaching the stops after the first at the speed of its kind over the straight distances
// between them. Every trip runs every day (service 0) and is headed for the last stop it
// serves: on long bus lines every second trip of the peaks turns back two thirds of the way out
// and is kNoStop at the stops after.
void addSampleTrips(std::int64_t lnid, RouteKind kind, const std::vector<ServiceWindow>& windows,
                    const std::vector<const SampleStop*>& stops, std::vector<TripRow>& trips);

}  // namespace busquery
