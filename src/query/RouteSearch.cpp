#include "query/RouteSearch.h"

#include "query/RouteStationName.h"
#include "route/DirectRouteSearch.h"
#include "route/PlanRanking.h"
#include "route/TransferRouteSearch.h"

namespace busquery {

void routeSearch(const NetworkIndex& index, QueryState& state, Answer& answer) {
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
        state.intOutState = OutcomeCode::NoRoute;
        return;
    }
    answer.plans = rankedPlans(search, index.derived<RouteIndex>(), from, to);
    state.intOutState = OutcomeCode::PlansListed;
}

}  // namespace busquery
