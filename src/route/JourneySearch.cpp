#include "route/JourneySearch.h"

#include <algorithm>
#include <tuple>

namespace busquery {
namespace {

constexpr std::uint32_t kInfinite = UINT32_MAX;

}  // namespace

void JourneySearch::reset(const JourneyNetwork& network) {
    const std::uint32_t stations = network.stationCount();
    if (stations_ != stations || lineStart_.size() != network.lines.size()) {
        stations_ = stations;
        labels_.assign(std::size_t{2} * (kMaxRides + 1) * stations, Label{});
        stamp_.assign(stations, 0);
        nearStamp_.assign(stations, 0);
        bestRide_.assign(stations, kInfinite);
        bestAny_.assign(stations, kInfinite);
        bestSearch_.assign(stations, 0);
        lineStart_.assign(network.lines.size(), 0);
        lineStamp_.assign(network.lines.size(), 0);
        search_ = 0;
        roundStamp_ = 0;
    }
    // Numbers that wrapped would make marks of long ago look current.
    if (search_ == UINT32_MAX || roundStamp_ > UINT32_MAX - 2 * (kMaxRides + 2)) {
        std::fill(labels_.begin(), labels_.end(), Label{});
        std::fill(stamp_.begin(), stamp_.end(), 0);
        std::fill(nearStamp_.begin(), nearStamp_.end(), 0);
        std::fill(bestSearch_.begin(), bestSearch_.end(), 0);
        std::fill(lineStamp_.begin(), lineStamp_.end(), 0);
        search_ = 0;
        roundStamp_ = 0;
    }
    ++search_;
    marked_.clear();
    endings_.clear();
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

void JourneySearch::scanRound(const JourneyNetwork& network, std::uint32_t round,
                              std::uint32_t limit) {
    ++roundStamp_;
    lines_.clear();
    for (std::uint32_t station : marked_) {
        for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
            if (lineStamp_[stop.line] != roundStamp_) {
                lineStamp_[stop.line] = roundStamp_;
                lineStart_[stop.line] = stop.position;
                lines_.push_back(stop.line);
            } else if (stop.position < lineStart_[stop.line]) {
                lineStart_[stop.line] = stop.position;
            }
        }
    }

    ++roundStamp_;  // stamps of the stations labelled in this round
    touched_.clear();
    for (std::uint32_t lineNo : lines_) {
        const auto& stops = network.lines[lineNo].stops;
        std::uint32_t board = kNone;
        std::uint32_t boardCost = 0;
        for (auto p = lineStart_[lineNo]; p < stops.size(); ++p) {
            const std::uint32_t station = stops[p];
            if (station == kNone) continue;
            // A ride back to where it boarded would stop there twice.
            if (board != kNone && station != origin_ && station != stops[board]) {
                const std::uint32_t cost = boardCost + (p - board);
                Label& label = ride(round, station);
                if (cost <= limit && (!has(label) || cost < label.cost)) {
                    label = Label{search_, cost};
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
            }
        }
    }
}

void JourneySearch::walkRound(const JourneyNetwork& network, std::uint32_t round,
                              std::uint32_t limit) {
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
            if (cost > limit || (has(byRide) && byRide.cost <= cost) ||
                (has(label) && label.cost <= cost)) {
                continue;
            }
            label = Label{search_, cost};
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
        if (improved && station != destination_) marked_.push_back(station);
    }
}

void JourneySearch::addEndings(const JourneyNetwork& network, std::uint32_t round,
                               std::uint32_t limit, std::uint32_t station, std::uint32_t extra,
                               std::uint32_t walkFrom, std::uint32_t walkIndex) {
    for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
        const auto& stops = network.lines[stop.line].stops;
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
    for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
        const auto& stops = network.lines[stop.line].stops;
        for (std::uint32_t p = 0; p < stop.position; ++p) {
            const std::uint32_t at = stops[p];
            const std::uint32_t stops_ridden = stop.position - p;
            if (at == kNone || stops_ridden > cost || seen(at)) continue;
            for (bool fromWalk : {false, true}) {
                const Label& before = fromWalk ? walk(round - 1, at) : ride(round - 1, at);
                if (!has(before) || before.cost != cost - stops_ridden) continue;
                steps_.push_back(Step{false, stop.line, p, stop.position, at, station, 0, 0});
                visited_.push_back(at);
                if (trace(network, round - 1, at, fromWalk, before.cost)) return true;
                visited_.pop_back();
                steps_.pop_back();
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
    const auto& stops = network.lines[ending.line].stops;
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
            const std::uint32_t line = network.lines[step.line].line;
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

std::vector<Plan> JourneySearch::run(const NetworkIndex& index, RouteIndex::FoldedId from,
                                     RouteIndex::FoldedId to) {
    const JourneyNetwork& network = index.derived<JourneyNetwork>();
    std::vector<Plan> plans;
    if (from >= network.stationCount() || to >= network.stationCount() || from == to) {
        return plans;
    }
    reset(network);
    origin_ = from;
    destination_ = to;

    // Round 0: the origin, and the stations a walk from it reaches.
    ride(0, from) = Label{search_, 0};
    ++roundStamp_;
    touched_.assign(1, from);
    stamp_[from] = roundStamp_;
    round_ = 0;
    walkRound(network, 0, kInfinite);
    markImproved();

    // The stations one ride (and maybe a walk) from the destination: an arrival at one of them
    // tells that the next round reaches it, and its endings are known without scanning it.
    ++roundStamp_;
    const std::uint32_t nearStamp = roundStamp_;
    nearDestination_.clear();
    auto addNear = [&](std::uint32_t station) {
        for (const JourneyNetwork::Stop& stop : network.stopsAt[station]) {
            const auto& stops = network.lines[stop.line].stops;
            for (std::uint32_t p = 0; p < stop.position; ++p) {
                const std::uint32_t at = stops[p];
                if (at == kNone || nearStamp_[at] == nearStamp) continue;
                nearStamp_[at] = nearStamp;
                nearDestination_.push_back(at);
            }
        }
    };
    addNear(to);
    for (const JourneyNetwork::Walk& into : network.walksTo[to]) addNear(into.to);

    std::uint32_t fewest = 0;
    std::uint32_t best = kInfinite;
    found_.clear();
    for (std::uint32_t round = 0; round < kMaxRides; ++round) {
        // The labels of `round` are complete: endings with one ride more can be listed.
        const bool near = std::any_of(
            nearDestination_.begin(), nearDestination_.end(),
            [&](std::uint32_t s) { return has(ride(round, s)) || has(walk(round, s)); });
        if (near) {
            const std::uint32_t limit = fewest == 0 ? kInfinite : best - kSavingForAnotherRide;
            collectEndings(network, round + 1, limit);
            const std::size_t before = found_.size();
            // The cheapest arrival may pass a station twice: only a journey that passes the
            // check counts as found.
            keepJourneys(network, round + 1);
            if (fewest != 0) break;
            if (found_.size() > before) {
                fewest = round + 1;
                best = found_[before].cost;
            }
        } else if (fewest != 0) {
            break;
        }
        if (fewest != 0 && (fewest >= kMaxRides || best < kSavingForAnotherRide + 2)) break;
        std::uint32_t limit = kInfinite;
        if (fewest != 0) {
            // Only journeys of one ride more that cost at least kSavingForAnotherRide less are
            // still wanted: their arrivals after this round cost at most limit.
            limit = best - kSavingForAnotherRide - 1;
            std::erase_if(marked_, [&](std::uint32_t s) {
                bool onFoot = false;
                const std::uint32_t cost = boardingCost(round, s, onFoot);
                return cost == kInfinite || cost + 1 > limit;
            });
        }
        if (marked_.empty()) break;
        round_ = round + 1;
        scanRound(network, round + 1, limit);
        walkRound(network, round + 1, limit);
        markImproved();
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
    const std::size_t first = found_.size();
    for (const Ending& ending : endings_) {
        // Endings come cheapest first: past the tenth journey only its ties may still matter.
        if (found_.size() - first >= kMaxJourneys &&
            ending.cost > found_[first + kMaxJourneys - 1].cost) {
            break;
        }
        if (!rebuild(network, ending)) continue;
        std::vector<std::uint32_t> lines;
        for (const Step& step : steps_) {
            if (!step.walk) lines.push_back(network.lines[step.line].line);
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
