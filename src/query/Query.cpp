#include "query/Query.h"

#include "query/LineLookup.h"
#include "query/Renderer.h"
#include "query/RouteSearch.h"
#include "query/StationLookup.h"
#include "text/Text.h"

namespace busquery {
namespace {

QueryMode selectMode(const QueryState& s) {
    if (!s.strQueryLnna.empty()) return QueryMode::Line;
    if (!s.strStnaFrom.empty() && !s.strStnaTo.empty()) return QueryMode::MultiStation;
    if (s.strStnaFrom.empty() && s.strStnaTo.empty()) return QueryMode::SingleStation;
    return QueryMode::None;
}

}  // namespace

Answer Query::run(const QueryInput& input) {
    Answer result;
    result.mode = answer(input, result);
    result.outcome = state_.intOutState;
    result.records = state_.lngRecordNum;
    return result;
}

Answer Query::run(const QueryInput& input, ResultPane& pane) {
    Answer result = run(input);
    render(result, pane);
    return result;
}

QueryMode Query::answer(const QueryInput& input, Answer& answer) {
    state_.strQueryLnna = input.line;
    state_.strQueryFrom = input.station;
    state_.strStnaFrom = input.from;
    state_.strStnaTo = input.to;

    if (state_.strQueryLnna.empty() && state_.strQueryFrom.empty() && state_.strStnaFrom.empty() &&
        state_.strStnaTo.empty()) {
        state_.intOutState = OutcomeCode::EmptyInput;
        return QueryMode::None;
    }
    if (countCharacters(state_.strQueryFrom) == 1) {
        state_.intOutState = OutcomeCode::TooShort;
        return QueryMode::None;
    }

    data_.refresh();
    const NetworkIndex& index = data_.index();

    const QueryMode mode = selectMode(state_);
    switch (mode) {
        case QueryMode::Line:
            answer.lines = lineLookup(index, state_);
            break;
        case QueryMode::MultiStation:
            routeSearch(index, state_, answer);
            break;
        case QueryMode::SingleStation:
            answer.stations = stationLookup(index, input.pickedLine, state_);
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
