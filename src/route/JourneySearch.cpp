#include "route/JourneySearch.h"

#include <algorithm>
#include <tuple>

#include "route/JourneyRebuild.h"

namespace busquery {
namespace {

constexpr std::uint32_t kInfinite = UINT32_MAX;

}  // namespace

void JourneySearch::reset(const JourneyNetwork& network) {
    s_.resize(network);
    // Numbers that wrapped would make marks of long ago look current; a query takes at most a
    // pass per number of rides and a few stamps per round.
    if (s_.query == UINT32_MAX || s_.search > UINT32_MAX - 2 * kMaxRides ||
        s_.roundStamp > UINT32_MAX - 64 * (kMaxRides + 2)) {
        std::fill(s_.stamp.begin(), s_.stamp.end(), 0);
        std::fill(s_.bestSearch.begin(), s_.bestSearch.end(), 0);
        std::fill(s_.lineStamp.begin(), s_.lineStamp.end(), 0);
        std::fill(s_.lastStopStamp.begin(), s_.lastStopStamp.end(), 0);
        s_.query = 0;
        s_.search = 0;
        s_.roundStamp = 0;
    }
    ++s_.query;
    // Cleared station by station, not stamped: cheaper to read on every stop scanned.
    for (std::uint32_t station : s_.leveled) {
        s_.onward[station] = kNoWay;
        s_.fewest[station] = kUnset;
        s_.fewestBoarding[station] = kUnset;
    }
    s_.leveled.clear();
    s_.levelsKnown = 0;
    s_.found.clear();
}

void JourneySearch::startPass() {
    ++s_.search;
    for (std::uint32_t at : s_.labelled) s_.labels[at] = Label{};
    s_.labelled.clear();
    s_.marked.clear();
    s_.endings.clear();
}

void JourneySearch::addLevel(const JourneyNetwork& network, std::uint32_t level) {
    auto& improved = s_.improved[level];
    improved.clear();
    const std::size_t lineCount = network.lines.size();
    auto bounded = [](std::uint32_t cost) {
        return static_cast<std::uint16_t>(std::min<std::uint32_t>(cost, kFar - 1));
    };
    // Notes a station before its first change in this query; every change writes the last
    // level, so it is unchanged while both last levels are.
    auto note = [&](const Onward& entry, std::uint32_t station) {
        if (entry.board[kLevels - 1] == kFar && entry.any[kLevels - 1] == kFar) {
            s_.leveled.push_back(station);
        }
    };
    auto reach = [&](std::uint32_t station, std::uint32_t cost) {
        Onward& entry = s_.onward[station];
        if (bounded(cost) >= entry.any[level]) return;
        note(entry, station);
        if (entry.listed != level) {
            entry.listed = static_cast<std::uint8_t>(level);
            improved.push_back(station);
        }
        std::fill(entry.any + level, std::end(entry.any), bounded(cost));
        if (s_.fewest[station] != kUnset) return;
        s_.fewest[station] = static_cast<std::uint8_t>(level);
        if (level >= kNearLevels) return;
        for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
            const std::size_t at = level * lineCount + stop.line;
            if (s_.lastStopStamp[at] != s_.query) {
                s_.lastStopStamp[at] = s_.query;
                s_.lastStop[at] = stop.position;
            } else {
                s_.lastStop[at] = std::max(s_.lastStop[at], stop.position);
            }
        }
    };
    // Boarding at the station, or walking to it first.
    auto board = [&](std::uint32_t station, std::uint32_t cost) {
        Onward& entry = s_.onward[station];
        if (bounded(cost) >= entry.board[level]) return;
        note(entry, station);
        std::fill(entry.board + level, std::end(entry.board), bounded(cost));
        if (s_.fewestBoarding[station] == kUnset) {
            s_.fewestBoarding[station] = static_cast<std::uint8_t>(level);
        }
        reach(station, cost);
        for (const JourneyNetwork::Walk& into : network.walksTo[station]) {
            reach(into.to, cost + walkCost(into.metres));
        }
    };
    if (level == 0) {
        board(s_.destination, 0);
    } else {
        // Every line through a station the level before improved, backwards from its last such
        // stop, keeping the cheapest way on from the stops behind.
        gatherLines(network, s_.improved[level - 1], true);
        for (std::uint32_t lineNo : s_.lines) {
            const auto stops = network.stops[lineNo];
            std::uint32_t best = kInfinite;  // cost on from a later stop, plus its position
            for (std::uint32_t p = s_.lineStart[lineNo] + 1; p-- > 0;) {
                const std::uint32_t station = stops[p];
                if (station == kNone) continue;
                if (best != kInfinite) board(station, best - p);
                const std::uint16_t on = s_.onward[station].any[level - 1];
                if (on != kFar) best = std::min(best, on + p);
            }
        }
    }
    s_.levelsKnown = level + 1;
}

std::uint32_t JourneySearch::costOn(std::uint32_t station, std::uint32_t rides, bool onFoot) const {
    const Onward& entry = s_.onward[station];
    const std::uint32_t level = std::min(rides, s_.levelsKnown - 1);
    const std::uint16_t way = onFoot ? entry.board[level] : entry.any[level];
    const std::uint32_t known = way == kFar ? kInfinite : way;
    // Each ride of a longer way rides a stop at least.
    return rides < s_.levelsKnown ? known : std::min(known, s_.levelsKnown);
}

std::uint32_t JourneySearch::scanEnd(const JourneyNetwork& network, std::uint32_t line,
                                     std::uint32_t rides) const {
    const auto stops = network.stops[line];
    const auto length = static_cast<std::uint32_t>(stops.size());
    if (rides >= s_.levelsKnown) return length;
    if (rides >= kNearLevels) {
        const std::size_t at = rides * network.lines.size() + line;
        if (s_.lastStopStamp[at] != s_.query) {
            std::uint32_t end = length;
            while (end > 0 && (stops[end - 1] == kNone || levelOf(stops[end - 1]) > rides)) --end;
            s_.lastStopStamp[at] = s_.query;
            s_.lastStop[at] = end;
        }
        return s_.lastStop[at];
    }
    std::uint32_t end = 0;
    for (std::uint32_t level = 0; level <= rides; ++level) {
        const std::size_t at = level * network.lines.size() + line;
        if (s_.lastStopStamp[at] == s_.query) end = std::max(end, s_.lastStop[at] + 1);
    }
    return end;
}

bool JourneySearch::wanted(std::uint32_t round, std::uint32_t station, std::uint32_t cost,
                           bool onFoot) const {
    if (round + levelOf(station, onFoot) > s_.passRides) return false;
    if (s_.passLimit == kInfinite) return true;
    const std::uint32_t on = costOn(station, s_.passRides - round, onFoot);
    return on != kInfinite && cost + on <= s_.passLimit;
}

std::uint32_t JourneySearch::boardingCost(std::uint32_t round, std::uint32_t station,
                                          bool& fromWalk) {
    const Label& byRide = s_.ride(round, station);
    const Label& byWalk = s_.walk(round, station);
    std::uint32_t cost = s_.has(byRide) ? byRide.cost : kInfinite;
    fromWalk = false;
    if (s_.has(byWalk) && byWalk.cost < cost) {
        cost = byWalk.cost;
        fromWalk = true;
    }
    return cost;
}

void JourneySearch::gatherLines(const JourneyNetwork& network,
                                const std::vector<std::uint32_t>& stations, bool latest) {
    ++s_.roundStamp;
    s_.lines.clear();
    for (std::uint32_t station : stations) {
        for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
            std::uint32_t& start = s_.lineStart[stop.line];
            if (s_.lineStamp[stop.line] != s_.roundStamp) {
                s_.lineStamp[stop.line] = s_.roundStamp;
                start = stop.position;
                s_.lines.push_back(stop.line);
            } else {
                start = latest ? std::max(start, stop.position) : std::min(start, stop.position);
            }
        }
    }
}

void JourneySearch::scanRound(const JourneyNetwork& network, std::uint32_t round) {
    const std::uint32_t togo = s_.passRides - round;
    gatherLines(network, s_.marked, false);

    ++s_.roundStamp;  // stamps of the stations labelled in this round
    s_.touched.clear();
    for (std::uint32_t lineNo : s_.lines) {
        const auto stops = network.stops[lineNo];
        const std::uint32_t end = scanEnd(network, lineNo, togo);
        std::uint32_t board = kNone;
        std::uint32_t boardCost = 0;
        bool boardOnFoot = false;
        for (auto p = s_.lineStart[lineNo]; p < end; ++p) {
            const std::uint32_t station = stops[p];
            if (station == kNone) continue;
            // A ride back to where it boarded would stop there twice.
            if (board != kNone && station != s_.origin && station != stops[board]) {
                const std::uint32_t cost = boardCost + (p - board);
                Label& label = s_.ride(round, station);
                if ((!s_.has(label) || cost < label.cost) && wanted(round, station, cost, false)) {
                    s_.set(label, cost);
                    s_.boarding(round, station) = Boarding{lineNo, board, boardOnFoot};
                    if (s_.stamp[station] != s_.roundStamp) {
                        s_.stamp[station] = s_.roundStamp;
                        s_.touched.push_back(station);
                    }
                }
            }
            if (station == s_.destination) continue;  // a journey ends where it arrives there
            bool fromWalk = false;
            const std::uint32_t cost = boardingCost(round - 1, station, fromWalk);
            // Boarding here is cheaper for every later stop when cost − p < boardCost − board.
            if (cost != kInfinite && (board == kNone || cost + board < boardCost + p)) {
                board = p;
                boardCost = cost;
                boardOnFoot = fromWalk;
            }
        }
    }
}

void JourneySearch::walkRound(const JourneyNetwork& network, std::uint32_t round) {
    const std::size_t rides = s_.touched.size();
    for (std::size_t i = 0; i < rides; ++i) {
        const std::uint32_t from = s_.touched[i];
        if (from == s_.destination) continue;
        const std::uint32_t base = s_.ride(round, from).cost;
        const auto& walks = network.walksFrom[from];
        for (std::uint32_t w = 0; w < walks.size(); ++w) {
            const std::uint32_t to = walks[w].to;
            if (to == s_.origin) continue;
            const std::uint32_t cost = base + walkCost(walks[w].metres);
            const Label& byRide = s_.ride(round, to);
            Label& label = s_.walk(round, to);
            if ((s_.has(byRide) && byRide.cost <= cost) || (s_.has(label) && label.cost <= cost) ||
                !wanted(round, to, cost, true)) {
                continue;
            }
            s_.set(label, cost);
            if (s_.stamp[to] != s_.roundStamp) {
                s_.stamp[to] = s_.roundStamp;
                s_.touched.push_back(to);
            }
        }
    }
}

void JourneySearch::markImproved() {
    s_.marked.clear();
    for (std::uint32_t station : s_.touched) {
        if (s_.bestSearch[station] != s_.search) {
            s_.bestSearch[station] = s_.search;
            s_.bestRide[station] = kInfinite;
            s_.bestAny[station] = kInfinite;
        }
        const Label& byRide = s_.ride(s_.round, station);
        const Label& byWalk = s_.walk(s_.round, station);
        // An arrival with fewer rides that costs less makes this one useless to go on from (an
        // arrival on foot gives way only to one that may still walk). One that costs the same
        // is kept: the other may be the one that passes a station twice.
        bool improved = false;
        if (s_.has(byRide) && byRide.cost <= s_.bestRide[station]) {
            improved = true;
            s_.bestRide[station] = byRide.cost;
        }
        if (s_.has(byWalk) && byWalk.cost <= s_.bestAny[station]) improved = true;
        if (s_.has(byRide)) s_.bestAny[station] = std::min(s_.bestAny[station], byRide.cost);
        if (s_.has(byWalk)) s_.bestAny[station] = std::min(s_.bestAny[station], byWalk.cost);
        // Only a station from which the rides left reach the destination is worth boarding at.
        if (improved && station != s_.destination &&
            s_.round + levelOf(station, true) <= s_.passRides) {
            s_.marked.push_back(station);
        }
    }
}

void JourneySearch::addEndings(const JourneyNetwork& network, std::uint32_t round,
                               std::uint32_t limit, std::uint32_t station, std::uint32_t extra,
                               std::uint32_t walkFrom, std::uint32_t walkIndex) {
    for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
        const auto stops = network.stops[stop.line];
        for (std::uint32_t p = 0; p < stop.position; ++p) {
            const std::uint32_t at = stops[p];
            if (at == kNone || at == s_.destination || at == station) continue;
            for (bool fromWalk : {false, true}) {
                const Label& before = fromWalk ? s_.walk(round - 1, at) : s_.ride(round - 1, at);
                if (!s_.has(before)) continue;
                const std::uint32_t cost = before.cost + (stop.position - p) + extra;
                if (cost > limit) continue;
                s_.endings.push_back(Ending{round, cost, stop.line, p, stop.position, fromWalk,
                                            walkFrom, walkIndex});
            }
        }
    }
}

void JourneySearch::collectEndings(const JourneyNetwork& network, std::uint32_t round,
                                   std::uint32_t limit) {
    addEndings(network, round, limit, s_.destination, 0, kNone, kNone);
    for (const JourneyNetwork::Walk& into : network.walksTo[s_.destination]) {
        if (into.to == s_.origin) continue;
        const auto& out = network.walksFrom[into.to];
        const auto w = static_cast<std::uint32_t>(
            std::find_if(out.begin(), out.end(),
                         [&](const JourneyNetwork::Walk& x) { return x.to == s_.destination; }) -
            out.begin());
        addEndings(network, round, limit, into.to, walkCost(into.metres), into.to, w);
    }
}

void JourneySearch::searchPass(const JourneyNetwork& network, std::uint32_t rides,
                               std::uint32_t limit) {
    startPass();
    s_.passRides = rides;
    s_.passLimit = limit;

    // Round 0: the origin, and the stations a walk from it reaches.
    s_.set(s_.ride(0, s_.origin), 0);
    ++s_.roundStamp;
    s_.touched.assign(1, s_.origin);
    s_.stamp[s_.origin] = s_.roundStamp;
    s_.round = 0;
    walkRound(network, 0);
    markImproved();
    for (std::uint32_t round = 1; round < rides; ++round) {
        if (s_.marked.empty()) return;
        s_.round = round;
        scanRound(network, round);
        walkRound(network, round);
        markImproved();
    }
    // The labels of the round before the last ride are complete: the endings can be listed.
    collectEndings(network, rides, limit);
    // The cheapest arrival may pass a station twice: only a journey that passes the check
    // counts as found.
    keepJourneys(network, rides);
}

std::vector<Plan> JourneySearch::run(const NetworkIndex& index, RouteIndex::FoldedId origin,
                                     RouteIndex::FoldedId destination) {
    const JourneyNetwork& network = index.derived<JourneyNetwork>();
    std::vector<Plan> plans;
    if (origin >= network.stationCount() || destination >= network.stationCount() ||
        origin == destination) {
        return plans;
    }
    const std::uint32_t from = network.stationOf[origin];
    const std::uint32_t to = network.stationOf[destination];
    reset(network);
    s_.origin = from;
    s_.destination = to;

    std::uint32_t fewest = 0;
    for (std::uint32_t rides = 1; rides <= kMaxRides && fewest == 0; ++rides) {
        // One level more than the pass uses tells whether the origin is too far for it.
        while (s_.levelsKnown < std::min(kLevels, rides + 1)) addLevel(network, s_.levelsKnown);
        if (levelOf(from) > rides) continue;
        searchPass(network, rides, kInfinite);
        if (!s_.found.empty()) fewest = rides;
    }
    // Journeys with one ride more, if there is room for them after those found and one may cost
    // kSavingForAnotherRide less than the best.
    if (fewest != 0 && fewest < kMaxRides && s_.found.size() < kMaxJourneys &&
        s_.found.front().cost >= kSavingForAnotherRide + costOn(from, fewest + 1, false)) {
        searchPass(network, fewest + 1, s_.found.front().cost - kSavingForAnotherRide);
    }

    std::stable_sort(s_.found.begin(), s_.found.end(), [](const Found& a, const Found& b) {
        return std::tie(a.rides, a.cost, a.lines) < std::tie(b.rides, b.cost, b.lines);
    });
    if (s_.found.size() > kMaxJourneys) s_.found.resize(kMaxJourneys);
    for (const Found& journey : s_.found)
        plans.push_back(journeyPlan(index, network, journey.steps));
    return plans;
}

void JourneySearch::keepJourneys(const JourneyNetwork& network, std::uint32_t round) {
    std::sort(s_.endings.begin(), s_.endings.end(), [](const Ending& a, const Ending& b) {
        return std::tie(a.cost, a.line, a.alight, a.board, a.fromWalk, a.walkFrom) <
               std::tie(b.cost, b.line, b.alight, b.board, b.fromWalk, b.walkFrom);
    });
    JourneyRebuild rebuild(network, s_);
    // Journeys with fewer rides, found before, come first: only the places after them are left.
    const std::size_t first = s_.found.size();
    const std::size_t room = kMaxJourneys - std::min(first, kMaxJourneys);
    for (const Ending& ending : s_.endings) {
        // Endings come cheapest first: past the last place only the ties of its journey may
        // still matter.
        if (s_.found.size() - first >= room &&
            (room == 0 || ending.cost > s_.found[first + room - 1].cost)) {
            break;
        }
        if (!rebuild.rebuild(ending)) continue;
        std::vector<std::uint32_t> lines;
        for (const Step& step : s_.steps) {
            if (!step.walk) lines.push_back(network.lines[step.line]);
        }
        // The cheapest journey of each sequence of lines.
        if (std::any_of(s_.found.begin() + static_cast<std::ptrdiff_t>(first), s_.found.end(),
                        [&](const Found& f) { return f.lines == lines; })) {
            continue;
        }
        s_.found.push_back(Found{round, ending.cost, std::move(lines), s_.steps});
    }
    s_.endings.clear();
}

}  // namespace busquery
