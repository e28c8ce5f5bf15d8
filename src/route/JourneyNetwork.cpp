#include "route/JourneyNetwork.h"

#include <algorithm>

#include "network/NetworkIndex.h"

namespace busquery {

template <typename T>
JourneyNetwork::Grouped<T> JourneyNetwork::Grouped<T>::from(
    const std::vector<std::vector<T>>& lists) {
    Grouped flat;
    flat.first.reserve(lists.size() + 1);
    for (const auto& list : lists) {
        flat.items.insert(flat.items.end(), list.begin(), list.end());
        flat.first.push_back(static_cast<std::uint32_t>(flat.items.size()));
    }
    return flat;
}

JourneyNetwork JourneyNetwork::build(const NetworkIndex& network) {
    const RouteIndex& routes = network.derived<RouteIndex>();
    JourneyNetwork journeys;
    const std::size_t stations = routes.linesThrough.size();
    std::vector<std::vector<Stop>> stopsAt(stations);
    std::vector<std::vector<Walk>> walksFrom(stations);
    std::vector<std::vector<Walk>> walksTo(stations);
    std::vector<std::vector<Station>> lineStops;

    // Stations numbered as the lines meet them, so that the stops of a line, and so what a
    // search keeps of them, lie close together in memory.
    journeys.stationOf.assign(stations, kNone);
    Station next = 0;
    auto number = [&](RouteIndex::FoldedId folded) {
        if (journeys.stationOf[folded] == kNone) journeys.stationOf[folded] = next++;
        return journeys.stationOf[folded];
    };
    for (std::uint32_t i = 0; i < network.lines.size(); ++i) {
        if (!network.lines[i].inCity) continue;
        const auto& names = routes.lines[i].stops;
        const auto lineNo = static_cast<std::uint32_t>(journeys.lines.size());
        auto& line = lineStops.emplace_back();
        line.reserve(names.size());
        for (std::uint32_t p = 0; p < names.size(); ++p) {
            if (names[p] == RouteIndex::kNone) {
                line.push_back(RouteIndex::kNone);
                continue;
            }
            const Station station = number(routes.foldedOf[names[p]]);
            line.push_back(station);
            stopsAt[station].push_back(Stop{lineNo, p});
        }
        journeys.lines.push_back(i);
    }

    for (RouteIndex::FoldedId folded = 0; folded < stations; ++folded) number(folded);

    for (std::uint32_t row = 0; row < network.walks().size(); ++row) {
        const WalkInfo& walk = network.walks()[row];
        const auto from = routes.find(walk.stna);
        const auto to = routes.find(walk.tostna);
        if (!from || !to || *from == *to) continue;  // names no list or station holds
        const Station start = journeys.stationOf[*from];
        const Station end = journeys.stationOf[*to];
        auto& out = walksFrom[start];
        auto same =
            std::find_if(out.begin(), out.end(), [&](const Walk& w) { return w.to == end; });
        if (same == out.end()) {
            out.push_back(Walk{end, walk.metres, row});
        } else if (walk.metres < same->metres) {
            *same = Walk{end, walk.metres, row};
        }
    }
    for (std::uint32_t from = 0; from < walksFrom.size(); ++from) {
        for (const Walk& walk : walksFrom[from]) {
            walksTo[walk.to].push_back(Walk{from, walk.metres, walk.row});
        }
    }
    journeys.stops = Grouped<Station>::from(lineStops);
    journeys.stopsAt = Grouped<Stop>::from(stopsAt);
    journeys.walksFrom = Grouped<Walk>::from(walksFrom);
    journeys.walksTo = Grouped<Walk>::from(walksTo);
    return journeys;
}

}  // namespace busquery
