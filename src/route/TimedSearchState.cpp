#include "route/TimedSearchState.h"

namespace busquery {

void TimedSearchState::prepare(const TimedNetwork& network) {
    stations = network.stationCount;
    const std::size_t labels = std::size_t{kRounds} * stations;
    rideTime.assign(labels, kNever);
    walkTime.assign(labels, kNever);
    rideSteps.assign(labels, RideStep{});
    walkSteps.assign(labels, WalkStep{});
    labelled.clear();
    bestRide.assign(stations, kNever);
    bestReady.assign(stations, kNever);
    bestSet.clear();
    marked.clear();
    markStamp.assign(stations, 0);
    rodeTo.clear();
    rodeStamp.assign(stations, 0);
    stamp = 0;
    routeStart.assign(network.routes.size(), TimedNetwork::kNone);
    routes.clear();
    running.clear();
    firstDay = 0;
    dayCount = 0;
}

}  // namespace busquery
