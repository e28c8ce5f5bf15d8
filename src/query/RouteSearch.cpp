#include "query/RouteSearch.h"

#include "query/RouteStationName.h"
#include "route/DirectRouteSearch.h"
#include "route/PlanRanking.h"
#include "text/AsciiCase.h"

namespace busquery {
RouteFound routeSearch(const NetworkIndex& index, RouteSearchState& state, std::string_view fromBox,
                       std::string_view toBox) {
    RouteFound found;
    const std::string_view from = routeStationName(fromBox);
    const std::string_view to = routeStationName(toBox);
    // A box holding only a picked line's road or landmarks names no station.
    if (from.empty()) {
        found.finding = RouteFinding::NoOrigin;
        return found;
    }
    if (to.empty()) {
        found.finding = RouteFinding::NoDestination;
        return found;
    }
    found.from = from;
    found.to = to;

    // The names become ids once, here; the searches take the ids.
    const RouteIndex& routes = index.derived<RouteIndex>();
    const std::optional<RouteIndex::FoldedId> fromId = routes.find(from);
    const std::optional<RouteIndex::FoldedId> toId = routes.find(to);
    // One station in both boxes needs no ride. A name that is no station goes on to the
    // search, which answers NoOrigin as for any unknown origin.
    if (equalsIgnoreAsciiCase(from, to) && fromId &&
        routes.firstStation[*fromId] != RouteIndex::kNone) {
        found.finding = RouteFinding::SameStation;
        return found;
    }

    if (fromId && toId) found.direct = directRouteSearch(index, *fromId, *toId);
    if (!found.direct.empty()) {
        found.finding = RouteFinding::Direct;
        return found;
    }

    TransferRouteSearch& transfers = state.transfers;
    switch (transfers.run(index, fromId, toId)) {
        case TransferOutcome::NoOrigin:
            found.finding = RouteFinding::NoOrigin;
            return found;
        case TransferOutcome::NoDestination:
            found.finding = RouteFinding::NoDestination;
            return found;
        case TransferOutcome::Searched:
            break;
    }
    if (transfers.arrPlan.empty()) {
        // Both stations exist (the search above found them): look further, with more changes
        // and walks between stations.
        found.plans = JourneySearch(state.journeys).run(index, *fromId, *toId);
        found.finding = found.plans.empty() ? RouteFinding::Nothing : RouteFinding::Journeys;
        return found;
    }
    found.plans = rankedPlans(transfers, routes, from, to);
    found.finding = RouteFinding::OneChange;
    return found;
}

Answer routeAnswer(RouteFound found) {
    Answer answer(QueryMode::MultiStation);
    answer.from = std::move(found.from);
    answer.to = std::move(found.to);
    answer.direct = std::move(found.direct);
    answer.plans = std::move(found.plans);
    answer.records = static_cast<std::int32_t>(answer.direct.size());
    switch (found.finding) {
        case RouteFinding::NoOrigin:
            answer.outcome = OutcomeCode::NoOrigin;
            break;
        case RouteFinding::NoDestination:
            answer.outcome = OutcomeCode::NoDestination;
            break;
        case RouteFinding::SameStation:
            answer.outcome = OutcomeCode::SameStation;
            break;
        case RouteFinding::Direct:
            answer.outcome = OutcomeCode::Listed;
            break;
        case RouteFinding::OneChange:
            answer.outcome = OutcomeCode::PlansListed;
            break;
        case RouteFinding::Journeys:
            answer.outcome = OutcomeCode::JourneysListed;
            break;
        case RouteFinding::Nothing:
            answer.outcome = OutcomeCode::NoRoute;
            break;
    }
    return answer;
}

}  // namespace busquery
