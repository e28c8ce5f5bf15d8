#include "query/Query.h"

#include "db/Text.h"
#include "query/LineLookup.h"
#include "query/RouteSearch.h"
#include "query/StationLookup.h"

namespace busquery {
namespace {

QueryMode selectMode(const QueryState& s) {
    if (!s.strQueryLnna.empty()) return QueryMode::Line;
    if (!s.strStnaFrom.empty() && !s.strStnaTo.empty()) return QueryMode::MultiStation;
    if (s.strStnaFrom.empty() && s.strStnaTo.empty() &&
        !(!s.strQueryFrom.empty() && !s.strQueryTo.empty())) {
        return QueryMode::SingleStation;
    }
    return QueryMode::None;
}

}  // namespace

QueryMode Query::run(const QueryInput& input, ResultPane& pane) {
    state_.strLineInfo.clear();
    state_.strQueryLnna = input.line;
    state_.strQueryFrom = input.station;
    state_.strStnaFrom = input.from;
    state_.strStnaTo = input.to;

    if (state_.strQueryLnna.empty() && state_.strQueryFrom.empty() && state_.strQueryTo.empty() &&
        state_.strStnaFrom.empty() && state_.strStnaTo.empty()) {
        state_.intOutState = OutcomeCode::EmptyInput;
        return QueryMode::None;
    }
    if (countCharacters(state_.strQueryFrom) == 1 || countCharacters(state_.strQueryTo) == 1) {
        state_.intOutState = OutcomeCode::TooShort;
        return QueryMode::None;
    }

    data_.refresh();
    const NetworkIndex& index = data_.index();

    QueryMode mode = selectMode(state_);
    switch (mode) {
        case QueryMode::Line:
            lineLookup(index, state_, pane);
            break;
        case QueryMode::MultiStation:
            routeSearch(index, state_, pane);
            break;
        case QueryMode::SingleStation:
            stationLookup(index, input.pickedLine, state_, pane);
            break;
        case QueryMode::None:
            // One route box filled: say which one is missing rather than repeat the last outcome.
            state_.intOutState =
                state_.strStnaFrom.empty() ? OutcomeCode::NoOrigin : OutcomeCode::NoDestination;
            break;
    }
    return mode;
}

}  // namespace busquery
