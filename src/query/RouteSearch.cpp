#include "query/RouteSearch.h"

#include <string>

#include "query/DirectRouteSearch.h"
#include "query/PlanRanking.h"
#include "query/RouteStationName.h"
#include "query/TransferRouteSearch.h"

namespace busquery {

std::optional<RouteStations> startRouteSearch(QueryState& state, ResultPane& pane) {
    pane.clear();
    state.lngRecordNum = 0;
    const RouteStations names{routeStationName(state.strStnaFrom),
                              routeStationName(state.strStnaTo)};
    // A box holding only a picked line's road or landmarks names no station.
    if (names.from.empty()) {
        state.intOutState = OutcomeCode::NoOrigin;
        return std::nullopt;
    }
    if (names.to.empty()) {
        state.intOutState = OutcomeCode::NoDestination;
        return std::nullopt;
    }
    return names;
}

void routeSearch(const NetworkIndex& index, QueryState& state, ResultPane& pane) {
    const auto names = startRouteSearch(state, pane);
    if (!names) return;
    const auto [from, to] = *names;

    state.lngRecordNum = directRouteSearch(index, from, to, pane);
    if (state.lngRecordNum > 0) {
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
        state.intOutState = OutcomeCode::NoRoute;
        return;
    }

    std::size_t number = 0;
    for (std::uint32_t row : rankPlans(search.arrPlan)) {
        const CandidatePlan& plan = search.arrPlan[row];
        const std::string s = TransferRouteSearch::legText(search.arrLegS, plan.firstS);
        const std::string e = TransferRouteSearch::legText(search.arrLegE, plan.firstE);
        writePlan(pane, ++number, PlanText{s, index.routes.names[plan.M], e, plan.C}, from, to);
    }
    state.intOutState = OutcomeCode::PlansListed;
}

}  // namespace busquery
