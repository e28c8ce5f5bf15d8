#include "query/Query.h"

#include "query/LineDepartures.h"
#include "query/LineLookup.h"
#include "query/Renderer.h"
#include "query/RouteSearch.h"
#include "query/RouteStationName.h"
#include "query/StationLookup.h"
#include "query/TimedRouteSearch.h"
#include "route/RouteIndex.h"
#include "route/ServiceCalendar.h"
#include "search/SuggestionSearch.h"
#include "store/TimetableTables.h"
#include "text/NameList.h"
#include "text/Text.h"

namespace busquery {
namespace {

QueryMode selectMode(const QueryState& s) {
    if (!s.strQueryLnna.empty()) return QueryMode::Line;
    if (!s.strStnaFrom.empty() && !s.strStnaTo.empty()) return QueryMode::MultiStation;
    if (s.strStnaFrom.empty() && s.strStnaTo.empty()) return QueryMode::SingleStation;
    return QueryMode::None;
}

// A route box of an English interface may name its station in English: the search then takes
// the station's own name. A box that names a station as it stands stays as it is.
std::string routeBox(const NetworkIndex& index, const EnglishStationNames* english,
                     const std::string& box) {
    if (english == nullptr) return box;
    const std::string_view name = routeStationName(box);
    if (name.empty() || index.derived<RouteIndex>().findStation(name)) return box;
    const auto stna = english->stationNamed(name);
    return stna ? std::string(*stna) : box;
}

}  // namespace

Answer Query::run(const QueryInput& input, const std::optional<RouteTime>& time) {
    enter(input.line, input.station, input.from, input.to);
    return answer(selectMode(state_), input.pickedLine, time);
}

Answer Query::run(const QueryInput& input, ResultPane& pane, const std::optional<RouteTime>& time) {
    Answer result = run(input, time);
    render(result, pane, language_, lineTerminus());
    return result;
}

Answer Query::lookUpLine(std::string_view lineName) {
    enter(lineName, {}, {}, {});
    return answer(QueryMode::Line, {});
}

Answer Query::lookUpStation(std::string_view stationText, std::string_view pickedLine) {
    enter({}, stationText, {}, {});
    return answer(QueryMode::SingleStation, pickedLine);
}

Answer Query::searchRoute(std::string_view from, std::string_view to) {
    enter({}, {}, from, to);
    return answer(from.empty() || to.empty() ? QueryMode::None : QueryMode::MultiStation, {});
}

Answer Query::searchRouteAt(std::string_view from, std::string_view to, const RouteTime& time) {
    enter({}, {}, from, to);
    return answer(from.empty() || to.empty() ? QueryMode::None : QueryMode::MultiStation, {}, time);
}

Suggestions Query::suggest(std::string_view boxText) {
    Suggestions result{suggestionText(boxText), false, {}};
    if (!startsSuggestionSearch(result.text)) return result;
    data_.refresh();
    result.searched = true;
    result.lines = suggestStations(data_.index(), result.text, englishNames().get());
    return result;
}

std::string Query::suggestionText(std::string_view boxText) {
    return cleanSuggestionText(boxText);
}

bool Query::findsLine(std::string_view name) {
    data_.refresh();
    return lineLookupFinds(data_.index(), name);
}

StartUpFacts Query::startUpFacts() {
    data_.refresh();
    BusDatabase& database = data_.database();
    return {database.lineIds(), database.dataDate(), hasTimetable(database)};
}

std::optional<std::string> Query::cityName() {
    data_.refresh();
    auto city = data_.database().city();
    if (!city || city->ctna.empty()) return std::nullopt;
    return city->ctna;
}

std::shared_ptr<const EnglishStationNames> Query::englishNames() {
    if (language_ != Language::English) return nullptr;
    auto names = data_.index().derivedShared<EnglishStationNames>();
    return names->empty() && !names->hasLineNames() ? nullptr : names;
}

LineTerminus lineTerminusIn(BusData& data) {
    return [&data](std::string_view lnna) {
        for (const LineInfo& line : data.index().lines) {
            if (line.lnna != lnna) continue;
            const std::vector<std::string_view> stations = nameListViews(line.passstna);
            return stations.empty() ? std::string() : std::string(stations.back());
        }
        return std::string();
    };
}

void Query::enter(std::string_view line, std::string_view station, std::string_view from,
                  std::string_view to) {
    state_.strQueryLnna =
        language_ == Language::Chinese ? std::string(line) : storedLineRequest(line);
    typedLine_ = line;
    state_.strQueryFrom = station;
    state_.strStnaFrom = from;
    state_.strStnaTo = to;
}

Answer Query::answer(QueryMode mode, std::string_view pickedLine,
                     const std::optional<RouteTime>& time) {
    Answer result;
    if (state_.strQueryLnna.empty() && state_.strQueryFrom.empty() && state_.strStnaFrom.empty() &&
        state_.strStnaTo.empty()) {
        result.outcome = OutcomeCode::EmptyInput;
    } else if (countCharacters(state_.strQueryFrom) == 1) {
        result.outcome = OutcomeCode::TooShort;
    } else {
        data_.refresh();
        const NetworkIndex& index = data_.index();
        const std::shared_ptr<const EnglishStationNames> english = englishNames();
        result.mode = mode;
        result.city = index.city;
        switch (mode) {
            case QueryMode::Line:
                result.lines = lineLookup(index, state_.strQueryLnna);
                if (english) addLinesByEnglishName(index, *english, typedLine_, result.lines);
                result.records = static_cast<std::int32_t>(result.lines.size());
                result.outcome = result.lines.empty() ? OutcomeCode::NoLine : OutcomeCode::Listed;
                if (departuresDay_ && !result.lines.empty()) {
                    result.departuresDay =
                        chooseServiceDay(index.derived<Timetable>(), *departuresDay_).day;
                    result.lineDepartures =
                        lineDepartures(index, result.lines, result.departuresDay);
                }
                state_.strQueryLnna = removeAll(state_.strQueryLnna, "路");
                state_.lngRecordNum = result.records;
                break;
            case QueryMode::MultiStation: {
                const std::string from = routeBox(index, english.get(), state_.strStnaFrom);
                const std::string to = routeBox(index, english.get(), state_.strStnaTo);
                result = time ? timedRouteAnswer(index, routeState_, timedSearch_, from, to, *time)
                              : routeAnswer(routeSearch(index, routeState_, from, to));
                result.mode = mode;
                result.city = index.city;
                state_.lngRecordNum = result.records;
                break;
            }
            case QueryMode::SingleStation:
                result.stations =
                    stationLookup(index, pickedLine, state_.strQueryFrom, english.get());
                result.records = static_cast<std::int32_t>(result.stations.size());
                result.outcome =
                    result.stations.empty() ? OutcomeCode::NoStation : OutcomeCode::StationsListed;
                state_.lngRecordNum = result.records;
                break;
            case QueryMode::None:
                // One route box filled: say which one is missing rather than repeat the last
                // outcome.
                result.outcome =
                    state_.strStnaFrom.empty() ? OutcomeCode::NoOrigin : OutcomeCode::NoDestination;
                break;
        }
        result.englishNames = english;
    }
    state_.intOutState = result.outcome;
    return result;
}

}  // namespace busquery
