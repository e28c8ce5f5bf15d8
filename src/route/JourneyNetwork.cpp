#include "route/JourneyNetwork.h"

#include <algorithm>

#include "network/NetworkIndex.h"

namespace busquery {

JourneyNetwork JourneyNetwork::build(const NetworkIndex& network) {
    const RouteIndex& routes = network.derived<RouteIndex>();
    JourneyNetwork journeys;
    journeys.stopsAt.resize(routes.linesThrough.size());
    journeys.walksFrom.resize(routes.linesThrough.size());
    journeys.walksTo.resize(routes.linesThrough.size());

    for (std::uint32_t i = 0; i < network.lines.size(); ++i) {
        if (!network.lines[i].inCity) continue;
        Line line{i, {}};
        const auto& names = routes.lines[i].stops;
        line.stops.reserve(names.size());
        const auto lineNo = static_cast<std::uint32_t>(journeys.lines.size());
        for (std::uint32_t p = 0; p < names.size(); ++p) {
            if (names[p] == RouteIndex::kNone) {
                line.stops.push_back(RouteIndex::kNone);
                continue;
            }
            const RouteIndex::FoldedId station = routes.foldedOf[names[p]];
            line.stops.push_back(station);
            journeys.stopsAt[station].push_back(Stop{lineNo, p});
        }
        journeys.lines.push_back(std::move(line));
    }

    for (std::uint32_t row = 0; row < network.walks.size(); ++row) {
        const WalkInfo& walk = network.walks[row];
        const auto from = routes.find(walk.stna);
        const auto to = routes.find(walk.tostna);
        if (!from || !to || *from == *to) continue;  // names no list or station holds
        auto& out = journeys.walksFrom[*from];
        auto same =
            std::find_if(out.begin(), out.end(), [&](const Walk& w) { return w.to == *to; });
        if (same == out.end()) {
            out.push_back(Walk{*to, walk.metres, row});
        } else if (walk.metres < same->metres) {
            *same = Walk{*to, walk.metres, row};
        }
    }
    for (std::uint32_t from = 0; from < journeys.walksFrom.size(); ++from) {
        for (const Walk& walk : journeys.walksFrom[from]) {
            journeys.walksTo[walk.to].push_back(Walk{from, walk.metres, walk.row});
        }
    }
    return journeys;
}

}  // namespace busquery
