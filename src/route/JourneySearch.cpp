#include "route/JourneySearch.h"

#include <algorithm>
#include <tuple>

namespace busquery {
namespace {

constexpr std::uint32_t kInfinite = UINT32_MAX;

}  // namespace

void JourneySearch::reset(const JourneyNetwork& network) {
    const std::uint32_t stations = network.stationCount();
    const std::size_t lines = network.lines.size();
    if (stations_ != stations || lineStart_.size() != lines) {
        stations_ = stations;
        labels_.assign(std::size_t{kLabelsPerStation} * stations, Label{});
        labelled_.clear();
        boardings_.assign(std::size_t{kMaxRides + 1} * stations, Boarding{});
        stamp_.assign(stations, 0);
        bestRide_.assign(stations, kInfinite);
        bestAny_.assign(stations, kInfinite);
        bestSearch_.assign(stations, 0);
        onward_.assign(stations, kNoWay);
        fewest_.assign(stations, kUnset);
        fewestBoarding_.assign(stations, kUnset);
        leveled_.clear();
        lineStart_.assign(lines, 0);
        lineStamp_.assign(lines, 0);
        lastStop_.assign(kLevels * lines, 0);
        lastStopStamp_.assign(kLevels * lines, 0);
        query_ = 0;
        search_ = 0;
        roundStamp_ = 0;
    }
    // Numbers that wrapped would make marks of long ago look current; a query takes at most a
    // pass per number of rides and a few stamps per round.
    if (query_ == UINT32_MAX || search_ > UINT32_MAX - 2 * kMaxRides ||
        roundStamp_ > UINT32_MAX - 64 * (kMaxRides + 2)) {
        std::fill(stamp_.begin(), stamp_.end(), 0);
        std::fill(bestSearch_.begin(), bestSearch_.end(), 0);
        std::fill(lineStamp_.begin(), lineStamp_.end(), 0);
        std::fill(lastStopStamp_.begin(), lastStopStamp_.end(), 0);
        query_ = 0;
        search_ = 0;
        roundStamp_ = 0;
    }
    ++query_;
    // Cleared station by station, not stamped: cheaper to read on every stop scanned.
    for (std::uint32_t station : leveled_) {
        onward_[station] = kNoWay;
        fewest_[station] = kUnset;
        fewestBoarding_[station] = kUnset;
    }
    leveled_.clear();
    levelsKnown_ = 0;
    found_.clear();
}

void JourneySearch::startPass() {
    ++search_;
    for (std::uint32_t at : labelled_) labels_[at] = Label{};
    labelled_.clear();
    marked_.clear();
    endings_.clear();
}

void JourneySearch::addLevel(const JourneyNetwork& network, std::uint32_t level) {
    auto& improved = improved_[level];
    improved.clear();
    const std::size_t lineCount = network.lines.size();
    auto bounded = [](std::uint32_t cost) {
        return static_cast<std::uint16_t>(std::min<std::uint32_t>(cost, kFar - 1));
    };
    // Notes a station before its first change in this query; every change writes the last
    // level, so it is unchanged while both last levels are.
    auto note = [&](const Onward& entry, std::uint32_t station) {
        if (entry.board[kLevels - 1] == kFar && entry.any[kLevels - 1] == kFar) {
            leveled_.push_back(station);
        }
    };
    auto reach = [&](std::uint32_t station, std::uint32_t cost) {
        Onward& entry = onward_[station];
        if (bounded(cost) >= entry.any[level]) return;
        note(entry, station);
        if (entry.listed != level) {
            entry.listed = static_cast<std::uint8_t>(level);
            improved.push_back(station);
        }
        std::fill(entry.any + level, std::end(entry.any), bounded(cost));
        if (fewest_[station] != kUnset) return;
        fewest_[station] = static_cast<std::uint8_t>(level);
        if (level >= kNearLevels) return;
        for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
            const std::size_t at = level * lineCount + stop.line;
            if (lastStopStamp_[at] != query_) {
                lastStopStamp_[at] = query_;
                lastStop_[at] = stop.position;
            } else {
                lastStop_[at] = std::max(lastStop_[at], stop.position);
            }
        }
    };
    // Boarding at the station, or walking to it first.
    auto board = [&](std::uint32_t station, std::uint32_t cost) {
        Onward& entry = onward_[station];
        if (bounded(cost) >= entry.board[level]) return;
        note(entry, station);
        std::fill(entry.board + level, std::end(entry.board), bounded(cost));
        if (fewestBoarding_[station] == kUnset) {
            fewestBoarding_[station] = static_cast<std::uint8_t>(level);
        }
        reach(station, cost);
        for (const JourneyNetwork::Walk& into : network.walksTo[station]) {
            reach(into.to, cost + walkCost(into.metres));
        }
    };
    if (level == 0) {
        board(destination_, 0);
    } else {
        // Every line through a station the level before improved, backwards from its last such
        // stop, keeping the cheapest way on from the stops behind.
        gatherLines(network, improved_[level - 1], true);
        for (std::uint32_t lineNo : lines_) {
            const auto stops = network.stops[lineNo];
            std::uint32_t best = kInfinite;  // cost on from a later stop, plus its position
            for (std::uint32_t p = lineStart_[lineNo] + 1; p-- > 0;) {
                const std::uint32_t station = stops[p];
                if (station == kNone) continue;
                if (best != kInfinite) board(station, best - p);
                const std::uint16_t on = onward_[station].any[level - 1];
                if (on != kFar) best = std::min(best, on + p);
            }
        }
    }
    levelsKnown_ = level + 1;
}

std::uint32_t JourneySearch::costOn(std::uint32_t station, std::uint32_t rides, bool onFoot) const {
    const Onward& entry = onward_[station];
    const std::uint32_t level = std::min(rides, levelsKnown_ - 1);
    const std::uint16_t way = onFoot ? entry.board[level] : entry.any[level];
    const std::uint32_t known = way == kFar ? kInfinite : way;
    // Each ride of a longer way rides a stop at least.
    return rides < levelsKnown_ ? known : std::min(known, levelsKnown_);
}

std::uint32_t JourneySearch::scanEnd(const JourneyNetwork& network, std::uint32_t line,
                                     std::uint32_t rides) const {
    const auto stops = network.stops[line];
    const auto length = static_cast<std::uint32_t>(stops.size());
    if (rides >= levelsKnown_) return length;
    if (rides >= kNearLevels) {
        const std::size_t at = rides * network.lines.size() + line;
        if (lastStopStamp_[at] != query_) {
            std::uint32_t end = length;
            while (end > 0 && (stops[end - 1] == kNone || levelOf(stops[end - 1]) > rides)) --end;
            lastStopStamp_[at] = query_;
            lastStop_[at] = end;
        }
        return lastStop_[at];
    }
    std::uint32_t end = 0;
    for (std::uint32_t level = 0; level <= rides; ++level) {
        const std::size_t at = level * network.lines.size() + line;
        if (lastStopStamp_[at] == query_) end = std::max(end, lastStop_[at] + 1);
    }
    return end;
}

bool JourneySearch::wanted(std::uint32_t round, std::uint32_t station, std::uint32_t cost,
                           bool onFoot) const {
    if (round + levelOf(station, onFoot) > passRides_) return false;
    if (passLimit_ == kInfinite) return true;
    const std::uint32_t on = costOn(station, passRides_ - round, onFoot);
    return on != kInfinite && cost + on <= passLimit_;
}

std::uint32_t JourneySearch::boardingCost(std::uint32_t round, std::uint32_t station,
                                          bool& fromWalk) {
    const Label& byRide = ride(round, station);
    const Label& byWalk = walk(round, station);
    std::uint32_t cost = has(byRide) ? byRide.cost : kInfinite;
    fromWalk = false;
    if (has(byWalk) && byWalk.cost < cost) {
        cost = byWalk.cost;
        fromWalk = true;
    }
    return cost;
}

void JourneySearch::gatherLines(const JourneyNetwork& network,
                                const std::vector<std::uint32_t>& stations, bool latest) {
    ++roundStamp_;
    lines_.clear();
    for (std::uint32_t station : stations) {
        for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
            std::uint32_t& start = lineStart_[stop.line];
            if (lineStamp_[stop.line] != roundStamp_) {
                lineStamp_[stop.line] = roundStamp_;
                start = stop.position;
                lines_.push_back(stop.line);
            } else {
                start = latest ? std::max(start, stop.position) : std::min(start, stop.position);
            }
        }
    }
}

void JourneySearch::scanRound(const JourneyNetwork& network, std::uint32_t round) {
    const std::uint32_t togo = passRides_ - round;
    gatherLines(network, marked_, false);

    ++roundStamp_;  // stamps of the stations labelled in this round
    touched_.clear();
    for (std::uint32_t lineNo : lines_) {
        const auto stops = network.stops[lineNo];
        const std::uint32_t end = scanEnd(network, lineNo, togo);
        std::uint32_t board = kNone;
        std::uint32_t boardCost = 0;
        bool boardOnFoot = false;
        for (auto p = lineStart_[lineNo]; p < end; ++p) {
            const std::uint32_t station = stops[p];
            if (station == kNone) continue;
            // A ride back to where it boarded would stop there twice.
            if (board != kNone && station != origin_ && station != stops[board]) {
                const std::uint32_t cost = boardCost + (p - board);
                Label& label = ride(round, station);
                if ((!has(label) || cost < label.cost) && wanted(round, station, cost, false)) {
                    set(label, cost);
                    boarding(round, station) = Boarding{lineNo, board, boardOnFoot};
                    if (stamp_[station] != roundStamp_) {
                        stamp_[station] = roundStamp_;
                        touched_.push_back(station);
                    }
                }
            }
            if (station == destination_) continue;  // a journey ends where it arrives there
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
    const std::size_t rides = touched_.size();
    for (std::size_t i = 0; i < rides; ++i) {
        const std::uint32_t from = touched_[i];
        if (from == destination_) continue;
        const std::uint32_t base = ride(round, from).cost;
        const auto& walks = network.walksFrom[from];
        for (std::uint32_t w = 0; w < walks.size(); ++w) {
            const std::uint32_t to = walks[w].to;
            if (to == origin_) continue;
            const std::uint32_t cost = base + walkCost(walks[w].metres);
            const Label& byRide = ride(round, to);
            Label& label = walk(round, to);
            if ((has(byRide) && byRide.cost <= cost) || (has(label) && label.cost <= cost) ||
                !wanted(round, to, cost, true)) {
                continue;
            }
            set(label, cost);
            if (stamp_[to] != roundStamp_) {
                stamp_[to] = roundStamp_;
                touched_.push_back(to);
            }
        }
    }
}

void JourneySearch::markImproved() {
    marked_.clear();
    for (std::uint32_t station : touched_) {
        if (bestSearch_[station] != search_) {
            bestSearch_[station] = search_;
            bestRide_[station] = kInfinite;
            bestAny_[station] = kInfinite;
        }
        const Label& byRide = ride(round_, station);
        const Label& byWalk = walk(round_, station);
        // An arrival with fewer rides that costs less makes this one useless to go on from (an
        // arrival on foot gives way only to one that may still walk). One that costs the same
        // is kept: the other may be the one that passes a station twice.
        bool improved = false;
        if (has(byRide) && byRide.cost <= bestRide_[station]) {
            improved = true;
            bestRide_[station] = byRide.cost;
        }
        if (has(byWalk) && byWalk.cost <= bestAny_[station]) improved = true;
        if (has(byRide)) bestAny_[station] = std::min(bestAny_[station], byRide.cost);
        if (has(byWalk)) bestAny_[station] = std::min(bestAny_[station], byWalk.cost);
        // Only a station from which the rides left reach the destination is worth boarding at.
        if (improved && station != destination_ && round_ + levelOf(station, true) <= passRides_) {
            marked_.push_back(station);
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
            if (at == kNone || at == destination_ || at == station) continue;
            for (bool fromWalk : {false, true}) {
                const Label& before = fromWalk ? walk(round - 1, at) : ride(round - 1, at);
                if (!has(before)) continue;
                const std::uint32_t cost = before.cost + (stop.position - p) + extra;
                if (cost > limit) continue;
                endings_.push_back(Ending{round, cost, stop.line, p, stop.position, fromWalk,
                                          walkFrom, walkIndex});
            }
        }
    }
}

void JourneySearch::collectEndings(const JourneyNetwork& network, std::uint32_t round,
                                   std::uint32_t limit) {
    addEndings(network, round, limit, destination_, 0, kNone, kNone);
    for (const JourneyNetwork::Walk& into : network.walksTo[destination_]) {
        if (into.to == origin_) continue;
        const auto& out = network.walksFrom[into.to];
        const auto w = static_cast<std::uint32_t>(
            std::find_if(out.begin(), out.end(),
                         [&](const JourneyNetwork::Walk& x) { return x.to == destination_; }) -
            out.begin());
        addEndings(network, round, limit, into.to, walkCost(into.metres), into.to, w);
    }
}

bool JourneySearch::trace(const JourneyNetwork& network, std::uint32_t round, std::uint32_t station,
                          bool onFoot, std::uint32_t cost) {
    if (++traced_ > kTraceBudget) return false;
    if (round == 0 && !onFoot) return station == origin_ && cost == 0;
    const auto seen = [&](std::uint32_t s) {
        return std::find(visited_.begin(), visited_.end(), s) != visited_.end();
    };
    if (onFoot) {
        for (const JourneyNetwork::Walk& walk : network.walksTo[station]) {
            const std::uint32_t from = walk.to;
            const Label& before = ride(round, from);
            if (seen(from) || !has(before) || before.cost + walkCost(walk.metres) != cost) continue;
            steps_.push_back(Step{true, kNone, 0, 0, from, station, walk.metres, walk.row});
            visited_.push_back(from);
            if (trace(network, round, from, false, before.cost)) return true;
            visited_.pop_back();
            steps_.pop_back();
        }
        return false;
    }
    // The ride the label was set by first: the rest only when that one passes a station twice
    // or is on the line of the ride after it. Leaving a line and boarding it again where it
    // passes the same station a second time skips its loop in the count, but is the same ride:
    // the rounds cannot rule it out, as a label keeps only its cheapest ride.
    const Boarding& first = boarding(round, station);
    const std::uint32_t nextLine =
        !steps_.empty() && !steps_.back().walk ? steps_.back().line : kNone;
    auto tryRide = [&](std::uint32_t line, std::uint32_t board, std::uint32_t alight, bool fromWalk,
                       std::uint32_t before) {
        if (line == nextLine) return false;
        const std::uint32_t at = network.stops[line][board];
        steps_.push_back(Step{false, line, board, alight, at, station, 0, 0});
        visited_.push_back(at);
        if (trace(network, round - 1, at, fromWalk, before)) return true;
        visited_.pop_back();
        steps_.pop_back();
        return false;
    };
    const Label& label = ride(round, station);
    const bool hasFirst = has(label) && label.cost == cost;
    std::uint32_t firstAlight = kNone;
    if (hasFirst) {
        const std::uint32_t at = network.stops[first.line][first.board];
        const std::uint32_t before =
            (first.onFoot ? walk(round - 1, at) : ride(round - 1, at)).cost;
        firstAlight = first.board + (cost - before);
        if (!seen(at) && tryRide(first.line, first.board, firstAlight, first.onFoot, before)) {
            return true;
        }
    }
    for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
        const auto stops = network.stops[stop.line];
        for (std::uint32_t p = 0; p < stop.position; ++p) {
            const std::uint32_t at = stops[p];
            const std::uint32_t stops_ridden = stop.position - p;
            if (at == kNone || stops_ridden > cost || seen(at)) continue;
            for (bool fromWalk : {false, true}) {
                if (hasFirst && stop.line == first.line && p == first.board &&
                    stop.position == firstAlight && fromWalk == first.onFoot) {
                    continue;
                }
                const Label& before = fromWalk ? walk(round - 1, at) : ride(round - 1, at);
                if (!has(before) || before.cost != cost - stops_ridden) continue;
                if (tryRide(stop.line, p, stop.position, fromWalk, before.cost)) return true;
            }
        }
    }
    return false;
}

bool JourneySearch::rebuild(const JourneyNetwork& network, const Ending& ending) {
    steps_.clear();
    visited_.assign(1, destination_);
    traced_ = 0;
    std::uint32_t cost = ending.cost;
    if (ending.walkFrom != kNone) {
        const JourneyNetwork::Walk& walk = network.walksFrom[ending.walkFrom][ending.walk];
        steps_.push_back(
            Step{true, kNone, 0, 0, ending.walkFrom, destination_, walk.metres, walk.row});
        visited_.push_back(ending.walkFrom);
        cost -= walkCost(walk.metres);
    }
    const auto stops = network.stops[ending.line];
    const std::uint32_t boardAt = stops[ending.board];
    if (std::find(visited_.begin(), visited_.end(), boardAt) != visited_.end()) return false;
    steps_.push_back(
        Step{false, ending.line, ending.board, ending.alight, boardAt, stops[ending.alight], 0, 0});
    visited_.push_back(boardAt);
    cost -= ending.alight - ending.board;
    if (!trace(network, ending.rides - 1, boardAt, ending.fromWalk, cost)) return false;
    std::reverse(steps_.begin(), steps_.end());
    return true;
}

Plan JourneySearch::toPlan(const NetworkIndex& index, const JourneyNetwork& network,
                           const std::vector<Step>& steps) const {
    const RouteIndex& routes = index.derived<RouteIndex>();
    Plan plan;
    for (const Step& step : steps) {
        PlanLeg leg;
        if (step.walk) {
            leg.kind = PlanLeg::Kind::Walk;
            leg.from = index.walks[step.row].stna;
            leg.to = index.walks[step.row].tostna;
            leg.metres = step.metres;
        } else {
            const std::uint32_t line = network.lines[step.line];
            const auto& names = routes.lines[line].stops;
            leg.kind = PlanLeg::Kind::Ride;
            leg.stops = step.alight - step.board;
            leg.lines.push_back(RideLine{index.lines[line].lnna, leg.stops});
            leg.from = routes.names[names[step.board]];
            leg.to = routes.names[names[step.alight]];
            plan.C += leg.stops;
        }
        plan.legs.push_back(std::move(leg));
    }
    return plan;
}

void JourneySearch::searchPass(const JourneyNetwork& network, std::uint32_t rides,
                               std::uint32_t limit) {
    startPass();
    passRides_ = rides;
    passLimit_ = limit;

    // Round 0: the origin, and the stations a walk from it reaches.
    set(ride(0, origin_), 0);
    ++roundStamp_;
    touched_.assign(1, origin_);
    stamp_[origin_] = roundStamp_;
    round_ = 0;
    walkRound(network, 0);
    markImproved();
    for (std::uint32_t round = 1; round < rides; ++round) {
        if (marked_.empty()) return;
        round_ = round;
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
    origin_ = from;
    destination_ = to;

    std::uint32_t fewest = 0;
    for (std::uint32_t rides = 1; rides <= kMaxRides && fewest == 0; ++rides) {
        // One level more than the pass uses tells whether the origin is too far for it.
        while (levelsKnown_ < std::min(kLevels, rides + 1)) addLevel(network, levelsKnown_);
        if (levelOf(from) > rides) continue;
        searchPass(network, rides, kInfinite);
        if (!found_.empty()) fewest = rides;
    }
    // Journeys with one ride more, if there is room for them after those found and one may cost
    // kSavingForAnotherRide less than the best.
    if (fewest != 0 && fewest < kMaxRides && found_.size() < kMaxJourneys &&
        found_.front().cost >= kSavingForAnotherRide + costOn(from, fewest + 1, false)) {
        searchPass(network, fewest + 1, found_.front().cost - kSavingForAnotherRide);
    }

    std::stable_sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
        return std::tie(a.rides, a.cost, a.lines) < std::tie(b.rides, b.cost, b.lines);
    });
    if (found_.size() > kMaxJourneys) found_.resize(kMaxJourneys);
    for (const Found& journey : found_) plans.push_back(toPlan(index, network, journey.steps));
    return plans;
}

void JourneySearch::keepJourneys(const JourneyNetwork& network, std::uint32_t round) {
    std::sort(endings_.begin(), endings_.end(), [](const Ending& a, const Ending& b) {
        return std::tie(a.cost, a.line, a.alight, a.board, a.fromWalk, a.walkFrom) <
               std::tie(b.cost, b.line, b.alight, b.board, b.fromWalk, b.walkFrom);
    });
    // Journeys with fewer rides, found before, come first: only the places after them are left.
    const std::size_t first = found_.size();
    const std::size_t room = kMaxJourneys - std::min(first, kMaxJourneys);
    for (const Ending& ending : endings_) {
        // Endings come cheapest first: past the last place only the ties of its journey may
        // still matter.
        if (found_.size() - first >= room &&
            (room == 0 || ending.cost > found_[first + room - 1].cost)) {
            break;
        }
        if (!rebuild(network, ending)) continue;
        std::vector<std::uint32_t> lines;
        for (const Step& step : steps_) {
            if (!step.walk) lines.push_back(network.lines[step.line]);
        }
        // The cheapest journey of each sequence of lines.
        if (std::any_of(found_.begin() + static_cast<std::ptrdiff_t>(first), found_.end(),
                        [&](const Found& f) { return f.lines == lines; })) {
            continue;
        }
        found_.push_back(Found{round, ending.cost, std::move(lines), steps_});
    }
    endings_.clear();
}

}  // namespace busquery
