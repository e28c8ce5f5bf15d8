#include "route/TimedSearchState.h"

namespace busquery {

void TimedSearchState::prepare(const TimedNetwork& network) {
    stations = network.stationCount;
    const std::size_t steps = std::size_t{kRounds} * stations;
    labels.assign(stations, Labels{});
    for (std::uint32_t station = 0; station < stations; ++station) {
        labels[station].change = network.changeMinutes[station];
    }
    bests.assign(stations, Bests{});
    rideSteps.assign(steps, RideStep{});
    walkSteps.assign(steps, WalkStep{});
    labelled.clear();
    marked.clear();
    markStamp.assign(stations, 0);
    boarding.assign(stations, Boarding{});
    rodeTo.clear();
    rodeStamp.assign(stations, 0);
    stamp = 0;
    routeStart.assign(network.routes.size(), TimedNetwork::kNone);
    routeEnd.assign(network.routes.size(), 0);
    // One more than routes: each stop is written past the last listed, and counted if new.
    routes.assign(network.routes.size() + 1, 0);
    routeCount = 0;
    bound.assign(stations, 0);
    rideLevel.assign(stations + 1, kFarLevel);
    boardLevel.assign(stations + 1, kFarLevel);
    rideLevel[stations] = 0;
    boardLevel[stations] = 0;
    nearListed.assign(stations + 1, 0);
    nearCount = 0;
    reach.assign(std::size_t{kAimedRounds} * network.routes.size(), TimedNetwork::kNone);
    nearRoutes.assign(network.routes.size() + 1, 0);
    nearRouteCount = 0;
    boarders.assign(stations + 1, 0);
    running.clear();
    firstDay = 0;
    dayCount = 0;
}

}  // namespace busquery
