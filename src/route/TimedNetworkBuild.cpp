#include "network/NetworkIndex.h"
#include "route/JourneyNetwork.h"
#include "route/RouteIndex.h"
#include "route/TimedNetwork.h"

namespace busquery {

TimedNetwork::Parts TimedNetwork::partsOf(const NetworkIndex& network) {
    const Timetable& timetable = network.derived<Timetable>();
    const RouteIndex& routes = network.derived<RouteIndex>();
    const JourneyNetwork& journeys = network.derived<JourneyNetwork>();
    Parts parts;
    parts.stationCount = journeys.stationCount();
    parts.lineStations.resize(timetable.lines.size());
    for (std::uint32_t l = 0; l < timetable.lines.size() && l < network.lines.size(); ++l) {
        if (!network.lines[l].inCity) continue;
        auto& stations = parts.lineStations[l];
        for (const RouteIndex::NameId name : routes.lines[l].stops) {
            stations.push_back(
                name == RouteIndex::kNone ? kNone : journeys.stationOf[routes.foldedOf[name]]);
        }
    }
    for (JourneyNetwork::Station from = 0; from < journeys.stationCount(); ++from) {
        for (const auto& walk : journeys.walksFrom[from]) {
            parts.walks.push_back({from, walk.to, walk.metres, walk.row});
        }
    }
    for (const auto& change : timetable.minimumChanges) {
        const auto from = routes.find(change.stna);
        const auto to = routes.find(change.tostna);
        if (!from || !to) continue;
        parts.changes.push_back(
            {journeys.stationOf[*from], journeys.stationOf[*to], change.minutes});
    }
    return parts;
}

TimedNetwork TimedNetwork::build(const NetworkIndex& network) {
    return assemble(network.derived<Timetable>(), partsOf(network));
}

}  // namespace busquery
