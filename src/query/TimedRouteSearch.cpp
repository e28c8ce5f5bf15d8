#include "query/TimedRouteSearch.h"

#include "query/RouteSearch.h"
#include "query/RouteStationName.h"
#include "query/ServiceHoursFilter.h"
#include "route/JourneyNetwork.h"
#include "route/RouteIndex.h"
#include "route/TimedSearch.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

// The journeys in the names of the data: stations as the lines list them, walks as nstwalk.
TimedJourneyEntry named(const NetworkIndex& index, const TimedJourney& journey) {
    const RouteIndex& routes = index.derived<RouteIndex>();
    const Timetable& timetable = index.derived<Timetable>();
    TimedJourneyEntry entry{journey.depart, journey.arrive, journey.rides, {}};
    for (const TimedLeg& leg : journey.legs) {
        TimedJourneyLeg named;
        named.kind = leg.kind;
        named.depart = leg.depart;
        named.arrive = leg.arrive;
        if (leg.kind == TimedLeg::Kind::walk) {
            const WalkInfo& walk = index.walks()[leg.walkRow];
            named.from = walk.stna;
            named.to = walk.tostna;
            named.metres = leg.metres;
            named.minutes = leg.minutes;
        } else {
            const auto& stops = routes.lines[leg.line].stops;
            named.from = routes.names[stops[leg.board]];
            named.to = routes.names[stops[leg.alight]];
            named.line = index.lines[leg.line].lnna;
            named.headsign = timetable.headsigns[timetable.trips[leg.trip].headsign];
            named.stops = leg.alight - leg.board;
        }
        entry.legs.push_back(std::move(named));
    }
    return entry;
}

Answer searchByTimetable(const NetworkIndex& index, TimedSearchState& search,
                         std::string_view fromBox, std::string_view toBox, TimedRouteAnswer timed) {
    Answer answer(QueryMode::MultiStation);
    const std::string_view from = routeStationName(fromBox);
    const std::string_view to = routeStationName(toBox);
    const RouteIndex& routes = index.derived<RouteIndex>();
    const auto origin = from.empty() ? std::nullopt : routes.findStation(from);
    const auto destination = to.empty() ? std::nullopt : routes.findStation(to);
    if (!origin) {
        answer.outcome = OutcomeCode::NoOrigin;
    } else if (!destination) {
        answer.outcome = OutcomeCode::NoDestination;
    } else {
        answer.from = from;
        answer.to = to;
        const auto originName = *origin;
        const auto destinationName = *destination;
        if (originName == destinationName) {
            answer.outcome = OutcomeCode::SameStation;
        } else {
            const TimedNetwork& network = index.derived<TimedNetwork>();
            if (search.stations != network.stationCount ||
                search.routeStart.size() != network.routes.size()) {
                search.prepare(network);
            }
            const JourneyNetwork& journeys = index.derived<JourneyNetwork>();
            TimedQuery query;
            query.origin = journeys.stationOf[originName];
            query.destination = journeys.stationOf[destinationName];
            query.day = timed.asked.day;
            query.minute = timed.asked.minute;
            query.arriveBy = timed.asked.arriveBy;
            const TimedAnswer found = searchByClock(network, search, query);
            timed.serviceDay = found.serviceDay;
            timed.dateMoved = found.dateMoved;
            for (const TimedJourney& journey : found.journeys) {
                timed.journeys.push_back(named(index, journey));
            }
            answer.records = static_cast<std::int32_t>(timed.journeys.size());
            answer.outcome = timed.journeys.empty() ? OutcomeCode::NoTimedJourney
                                                    : OutcomeCode::TimedJourneysListed;
        }
    }
    answer.timed = std::move(timed);
    return answer;
}

}  // namespace

Answer timedRouteAnswer(const NetworkIndex& index, RouteSearchState& routeState,
                        TimedSearchState& search, std::string_view fromBox, std::string_view toBox,
                        const RouteTime& time) {
    TimedRouteAnswer timed;
    timed.asked = time;
    timed.serviceDay = time.day;
    timed.timetable = !index.derived<Timetable>().empty();
    if (timed.timetable) return searchByTimetable(index, search, fromBox, toBox, std::move(timed));
    const auto leftOut = linesOutOfService(index, time.minute);
    for (const std::uint32_t line : leftOut)
        timed.linesLeftOut.emplace_back(index.lines[line].lnna);
    Answer answer =
        leftOut.empty()
            ? routeAnswer(routeSearch(index, routeState, fromBox, toBox))
            : routeAnswer(routeSearch(withoutLines(index, leftOut), routeState, fromBox, toBox));
    answer.timed = std::move(timed);
    return answer;
}

}  // namespace busquery
