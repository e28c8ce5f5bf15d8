#include "route/TimedJourneyRebuild.h"

#include <algorithm>

namespace busquery {

TimedJourney rebuildJourney(const TimedNetwork& network, const TimedSearchState& state,
                            TimedNetwork::Station source, TimedNetwork::Station target,
                            std::uint32_t round, bool backward) {
    const Timetable& timetable = *network.timetable;
    const std::uint32_t stations = state.stations;
    TimedJourney journey;
    auto station = target;
    auto at = [&](std::uint32_t r, TimedNetwork::Station s) { return r * stations + s; };
    const auto& labels = state.labels[target];
    bool onFoot = labels.walk[round] < labels.ride[round];
    // Legs are found from the target back; each is noted with its ends in travelling order.
    while (!(round == 0 && station == source)) {
        TimedLeg leg;
        TimedNetwork::Station previous;
        if (onFoot) {
            const auto& step = state.walkSteps[at(round, station)];
            leg.kind = TimedLeg::Kind::walk;
            leg.metres = step.walk.metres;
            leg.minutes = step.walk.minutes;
            leg.walkRow = step.walk.row;
            previous = step.from;
            onFoot = false;  // a walk starts where a ride ended, or at the source
        } else {
            const auto& step = state.rideSteps[at(round, station)];
            const auto& route = network.routes[step.route];
            leg.kind = TimedLeg::Kind::ride;
            leg.line = route.line;
            leg.trip = step.trip;
            leg.day = step.day;
            leg.board = backward ? step.alight : step.board;
            leg.alight = backward ? step.board : step.alight;
            previous = network.lineStations[route.line][step.board];
            onFoot = step.fromWalk;
            --round;
        }
        leg.from = backward ? station : previous;
        leg.to = backward ? previous : station;
        journey.legs.push_back(leg);
        station = previous;
    }
    if (!backward) std::reverse(journey.legs.begin(), journey.legs.end());

    for (auto& leg : journey.legs) {
        if (leg.kind != TimedLeg::Kind::ride) continue;
        const auto& line = timetable.lines[leg.line];
        leg.depart = journeyMinute(leg.day, timetable.departuresOf(leg.trip, line)[leg.board]);
        leg.arrive = journeyMinute(leg.day, timetable.arrivalsOf(leg.trip, line)[leg.alight]);
        ++journey.rides;
    }
    // A walk follows the ride before it at once; one that leads to the first ride ends as it
    // leaves.
    for (std::size_t i = 0; i < journey.legs.size(); ++i) {
        auto& leg = journey.legs[i];
        if (leg.kind != TimedLeg::Kind::walk) continue;
        const auto minutes = static_cast<JourneyMinute>(leg.minutes);
        if (i == 0) {
            leg.arrive = i + 1 < journey.legs.size() ? journey.legs[i + 1].depart : 0;
            leg.depart = leg.arrive - minutes;
        } else {
            leg.depart = journey.legs[i - 1].arrive;
            leg.arrive = leg.depart + minutes;
        }
    }
    if (!journey.legs.empty()) {
        journey.depart = journey.legs.front().depart;
        journey.arrive = journey.legs.back().arrive;
    }
    return journey;
}

}  // namespace busquery
