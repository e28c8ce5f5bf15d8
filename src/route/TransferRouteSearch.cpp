#include "route/TransferRouteSearch.h"

#include <optional>

namespace busquery {
namespace {

struct StationOf {
    RouteIndex::FoldedId name;
    std::uint32_t station;
};

std::optional<StationOf> firstStationNamed(const RouteIndex& routes,
                                           std::optional<RouteIndex::FoldedId> folded) {
    if (!folded || routes.firstStation[*folded] == RouteIndex::kNone) return std::nullopt;
    return StationOf{*folded, routes.firstStation[*folded]};
}

// Calls visit(line name, stops, position of the station) for every line the station's Passlnna
// lists that exists in the city and holds the station as a whole name.
template <class Visit>
void forEachLineThrough(const NetworkIndex& index, StationOf at, Visit visit) {
    const RouteIndex& routes = index.derived<RouteIndex>();
    const auto& names = index.stations()[at.station].lines;
    const auto& resolved = routes.stationLines[at.station];
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (resolved[k] == RouteIndex::kNone) continue;
        std::uint32_t position = routes.positionOn(resolved[k], at.name);
        if (position == RouteIndex::kNone) continue;
        visit(std::string_view(names[k]), routes.lines[resolved[k]].stops, position);
    }
}

}  // namespace

void TransferRouteSearch::reset(const RouteIndex& routes) {
    arrLegS.clear();
    arrLegE.clear();
    arrStnaS.clear();
    arrPlan.clear();
    if (marksS_.size() < routes.names.size()) {
        marksS_.resize(routes.names.size());
        marksE_.resize(routes.names.size());
    }
    if (++search_ == 0) {  // the numbers wrapped: marks of long ago would look current
        marksS_.assign(marksS_.size(), Mark{});
        marksE_.assign(marksE_.size(), Mark{});
        search_ = 1;
    }
}

bool TransferRouteSearch::insertStation(std::vector<Leg>& legs, std::vector<Mark>& marks,
                                        std::uint32_t row) {
    Mark& mark = marks[legs[row].station];
    if (mark.search == search_) {
        legs[mark.last].next = row;
        mark.last = row;
        return false;
    }
    mark = Mark{search_, row, row};
    return true;
}

void TransferRouteSearch::insertStS(std::uint32_t row) {
    if (insertStation(arrLegS, marksS_, row)) arrStnaS.push_back(arrLegS[row].station);
}

void TransferRouteSearch::insertStE(std::uint32_t row) {
    insertStation(arrLegE, marksE_, row);
}

TransferOutcome TransferRouteSearch::run(const NetworkIndex& index,
                                         std::optional<RouteIndex::FoldedId> from,
                                         std::optional<RouteIndex::FoldedId> to) {
    const RouteIndex& routes = index.derived<RouteIndex>();
    reset(routes);

    // Rows of an empty piece (kNone) are left out: an empty name is no station.
    auto addOriginLegs = [&](std::string_view line, const std::vector<RouteIndex::NameId>& stops,
                             std::uint32_t p) {
        for (std::uint32_t j = p; j < stops.size(); ++j) {
            if (stops[j] == RouteIndex::kNone) continue;
            arrLegS.push_back(Leg{stops[j], line, j - p});
            insertStS(static_cast<std::uint32_t>(arrLegS.size() - 1));
        }
    };
    auto addDestinationLegs = [&](std::string_view line,
                                  const std::vector<RouteIndex::NameId>& stops, std::uint32_t q) {
        for (std::uint32_t j = 0; j < q; ++j) {
            if (stops[j] == RouteIndex::kNone) continue;
            arrLegE.push_back(Leg{stops[j], line, q - j});
            insertStE(static_cast<std::uint32_t>(arrLegE.size() - 1));
        }
    };

    auto origin = firstStationNamed(routes, from);
    if (!origin) return TransferOutcome::NoOrigin;
    forEachLineThrough(index, *origin, addOriginLegs);
    auto destination = firstStationNamed(routes, to);
    if (!destination) return TransferOutcome::NoDestination;
    forEachLineThrough(index, *destination, addDestinationLegs);

    for (RouteIndex::NameId name : arrStnaS) {
        const Mark& e = marksE_[name];
        if (e.search != search_) continue;
        const Mark& s = marksS_[name];
        arrPlan.push_back(
            CandidatePlan{name, s.first, e.first, arrLegS[s.first].stops + arrLegE[e.first].stops});
    }
    return TransferOutcome::Searched;
}

}  // namespace busquery
