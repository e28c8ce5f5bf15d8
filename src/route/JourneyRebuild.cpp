#include "route/JourneyRebuild.h"

#include <algorithm>

namespace busquery {

bool JourneyRebuild::trace(std::uint32_t round, std::uint32_t station, bool onFoot,
                           std::uint32_t cost) {
    if (++s_.traced > kTraceBudget) return false;
    if (round == 0 && !onFoot) return station == s_.origin && cost == 0;
    const auto seen = [&](std::uint32_t s) {
        return std::find(s_.visited.begin(), s_.visited.end(), s) != s_.visited.end();
    };
    if (onFoot) {
        for (const JourneyNetwork::Walk& walk : network_.walksTo[station]) {
            const std::uint32_t from = walk.to;
            const Label& before = s_.ride(round, from);
            if (seen(from) || !s_.has(before) || before.cost + walkCost(walk.metres) != cost)
                continue;
            s_.steps.push_back(Step{true, kNone, 0, 0, from, station, walk.metres, walk.row});
            s_.visited.push_back(from);
            if (trace(round, from, false, before.cost)) return true;
            s_.visited.pop_back();
            s_.steps.pop_back();
        }
        return false;
    }
    // The ride the label was set by first: the rest only when that one passes a station twice
    // or is on the line of the ride after it. Leaving a line and boarding it again where it
    // passes the same station a second time skips its loop in the count, but is the same ride:
    // the rounds cannot rule it out, as a label keeps only its cheapest ride.
    const Boarding& first = s_.boarding(round, station);
    const std::uint32_t nextLine =
        !s_.steps.empty() && !s_.steps.back().walk ? s_.steps.back().line : kNone;
    auto tryRide = [&](std::uint32_t line, std::uint32_t board, std::uint32_t alight, bool fromWalk,
                       std::uint32_t before) {
        if (line == nextLine) return false;
        const std::uint32_t at = network_.stops[line][board];
        s_.steps.push_back(Step{false, line, board, alight, at, station, 0, 0});
        s_.visited.push_back(at);
        if (trace(round - 1, at, fromWalk, before)) return true;
        s_.visited.pop_back();
        s_.steps.pop_back();
        return false;
    };
    const Label& label = s_.ride(round, station);
    const bool hasFirst = s_.has(label) && label.cost == cost;
    std::uint32_t firstAlight = kNone;
    if (hasFirst) {
        const std::uint32_t at = network_.stops[first.line][first.board];
        const std::uint32_t before =
            (first.onFoot ? s_.walk(round - 1, at) : s_.ride(round - 1, at)).cost;
        firstAlight = first.board + (cost - before);
        if (!seen(at) && tryRide(first.line, first.board, firstAlight, first.onFoot, before)) {
            return true;
        }
    }
    for (const JourneyNetwork::Stop& stop : network_.stopsAt[station]) {
        const auto stops = network_.stops[stop.line];
        for (std::uint32_t p = 0; p < stop.position; ++p) {
            const std::uint32_t at = stops[p];
            const std::uint32_t stops_ridden = stop.position - p;
            if (at == kNone || stops_ridden > cost || seen(at)) continue;
            for (bool fromWalk : {false, true}) {
                if (hasFirst && stop.line == first.line && p == first.board &&
                    stop.position == firstAlight && fromWalk == first.onFoot) {
                    continue;
                }
                const Label& before = fromWalk ? s_.walk(round - 1, at) : s_.ride(round - 1, at);
                if (!s_.has(before) || before.cost != cost - stops_ridden) continue;
                if (tryRide(stop.line, p, stop.position, fromWalk, before.cost)) return true;
            }
        }
    }
    return false;
}

bool JourneyRebuild::rebuild(const Ending& ending) {
    s_.steps.clear();
    s_.visited.assign(1, s_.destination);
    s_.traced = 0;
    std::uint32_t cost = ending.cost;
    if (ending.walkFrom != kNone) {
        const JourneyNetwork::Walk& walk = network_.walksFrom[ending.walkFrom][ending.walk];
        s_.steps.push_back(
            Step{true, kNone, 0, 0, ending.walkFrom, s_.destination, walk.metres, walk.row});
        s_.visited.push_back(ending.walkFrom);
        cost -= walkCost(walk.metres);
    }
    const auto stops = network_.stops[ending.line];
    const std::uint32_t boardAt = stops[ending.board];
    if (std::find(s_.visited.begin(), s_.visited.end(), boardAt) != s_.visited.end()) return false;
    s_.steps.push_back(
        Step{false, ending.line, ending.board, ending.alight, boardAt, stops[ending.alight], 0, 0});
    s_.visited.push_back(boardAt);
    cost -= ending.alight - ending.board;
    if (!trace(ending.rides - 1, boardAt, ending.fromWalk, cost)) return false;
    std::reverse(s_.steps.begin(), s_.steps.end());
    return true;
}

Plan journeyPlan(const NetworkIndex& index, const JourneyNetwork& network,
                 const std::vector<JourneySearchState::Step>& steps) {
    using Step = JourneySearchState::Step;
    const RouteIndex& routes = index.derived<RouteIndex>();
    Plan plan;
    plan.journey = true;
    for (const Step& step : steps) {
        PlanLeg leg;
        if (step.walk) {
            leg.kind = PlanLeg::Kind::Walk;
            leg.from = index.walks()[step.row].stna;
            leg.to = index.walks()[step.row].tostna;
            leg.metres = step.metres;
        } else {
            const std::uint32_t line = network.lines[step.line];
            const auto& names = routes.lines[line].stops;
            leg.kind = PlanLeg::Kind::Ride;
            leg.stops = step.alight - step.board;
            leg.lines.push_back(RideLine{std::string(index.lines[line].lnna), leg.stops});
            leg.from = routes.names[names[step.board]];
            leg.to = routes.names[names[step.alight]];
            plan.C += leg.stops;
        }
        plan.legs.push_back(std::move(leg));
    }
    return plan;
}

}  // namespace busquery
