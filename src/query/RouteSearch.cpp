#include "query/RouteSearch.h"

#include <optional>

#include "query/RouteStationName.h"
#include "route/DirectRouteSearch.h"
#include "route/JourneySearch.h"
#include "route/PlanRanking.h"
#include "route/TransferRouteSearch.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

// The station a route box names, when nstinfo has it.
std::optional<RouteIndex::FoldedId> knownStation(const RouteIndex& routes, std::string_view name) {
    auto folded = routes.find(name);
    if (!folded || routes.firstStation[*folded] == RouteIndex::kNone) return std::nullopt;
    return folded;
}

void searchRoute(const NetworkIndex& index, QueryState& state, Answer& answer) {
    state.lngRecordNum = 0;
    const std::string_view from = routeStationName(state.strStnaFrom);
    const std::string_view to = routeStationName(state.strStnaTo);
    // A box holding only a picked line's road or landmarks names no station.
    if (from.empty()) {
        state.intOutState = OutcomeCode::NoOrigin;
        return;
    }
    if (to.empty()) {
        state.intOutState = OutcomeCode::NoDestination;
        return;
    }
    answer.from = from;
    answer.to = to;

    const RouteIndex& routes = index.derived<RouteIndex>();
    // One station in both boxes needs no ride. A name that is no station goes on to the
    // search, which answers NoOrigin as for any unknown origin.
    if (equalsIgnoreAsciiCase(from, to) && knownStation(routes, from)) {
        state.intOutState = OutcomeCode::SameStation;
        return;
    }

    answer.direct = directRouteSearch(index, from, to);
    state.lngRecordNum = static_cast<std::int32_t>(answer.direct.size());
    if (!answer.direct.empty()) {
        state.intOutState = OutcomeCode::Listed;
        return;
    }

    thread_local TransferRouteSearch search;
    switch (search.run(index, from, to)) {
        case TransferOutcome::NoOrigin:
            state.intOutState = OutcomeCode::NoOrigin;
            return;
        case TransferOutcome::NoDestination:
            state.intOutState = OutcomeCode::NoDestination;
            return;
        case TransferOutcome::Searched:
            break;
    }
    if (search.arrPlan.empty()) {
        // Both stations exist (the search above found them): look further, with more changes
        // and walks between stations.
        thread_local JourneySearch journeys;
        answer.plans = journeys.run(index, *routes.find(from), *routes.find(to));
        state.intOutState =
            answer.plans.empty() ? OutcomeCode::NoRoute : OutcomeCode::JourneysListed;
        return;
    }
    answer.plans = rankedPlans(search, routes, from, to);
    state.intOutState = OutcomeCode::PlansListed;
}

}  // namespace

void routeSearch(const NetworkIndex& index, QueryState& state, Answer& answer) {
    searchRoute(index, state, answer);
    answer.outcome = state.intOutState;  // the renderer tells journeys from plans by it
}

}  // namespace busquery
