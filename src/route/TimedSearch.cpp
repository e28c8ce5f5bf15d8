#include "route/TimedSearch.h"

#include <algorithm>
#include <functional>
#include <queue>

#include "route/ServiceCalendar.h"
#include "route/TimedJourneyRebuild.h"

namespace busquery {

namespace {

using Station = TimedNetwork::Station;
constexpr std::int32_t kNever = TimedSearchState::kNever;
constexpr std::int32_t kDay = 1440;
// Trips of up to three days before may still run: times up to 72:00.
constexpr std::int32_t kMaxDays = 5;
// A bound for a station the target cannot be reached from in two days: no run reaches so far.
constexpr std::int32_t kBoundReach = 2 * kDay;
constexpr std::int32_t kFar = 1 << 29;
constexpr std::uint32_t kLastRound = TimedSearchState::kRounds - 1;

// How many of the sorted minutes come before `minute`, as std::lower_bound finds, but halving
// without a branch: which half holds it is beyond guessing, and a wrong guess costs more than
// the few steps.
std::uint32_t countBefore(const ServiceMinute* first, std::uint32_t count, ServiceMinute minute) {
    if (count == 0) return 0;
    const ServiceMinute* base = first;
    while (count > 1) {
        const std::uint32_t half = count / 2;
        base = base[half] < minute ? base + half : base;
        count -= half;
    }
    return static_cast<std::uint32_t>(base - first) + (*base < minute ? 1 : 0);
}

std::int32_t floorDiv(std::int32_t a, std::int32_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// One search in one direction. Forward it leaves the source at the start; backward the source
// is where the journey ends and the keys are the minutes negated, so that both read the same.
template <bool Backward>
class Rounds {
  public:
    static constexpr std::int32_t kSign = Backward ? -1 : 1;

    Rounds(const TimedNetwork& network, TimedSearchState& state, Station source, Station target,
           std::int32_t horizonKey)
        : network_(network),
          timetable_(*network.timetable),
          state_(state),
          source_(source),
          target_(target),
          horizonKey_(horizonKey) {}

    // Searches from a start key; state_.arrival then holds the target's arrival per round.
    void run(std::int32_t startKey) {
        clear();
        carried_ = false;
        search(startKey);
    }

    // The keys in (after, until] at which a journey may start: when a trip leaves the source,
    // or a station one walks to from it less the walk, on a day it runs; latest first.
    std::vector<std::int32_t> startsWithin(std::int32_t after, std::int32_t until) const {
        std::vector<std::int32_t> starts;
        auto add = [&](Station station, std::int32_t minutes) {
            for (const auto& stop : network_.stopsOf(station)) {
                const auto& route = network_.routes[stop.route];
                const auto& line = network_.lineOf(route);
                for (std::int32_t d = 0; d < state_.dayCount; ++d) {
                    const ServiceDay day = state_.firstDay + d;
                    const std::int32_t dayKey = kSign * day * kDay;
                    // Keys grow with j: halve for the first one past `after`.
                    std::uint32_t low = 0;
                    std::uint32_t high = route.tripCount;
                    while (low < high) {
                        const std::uint32_t mid = low + (high - low) / 2;
                        if (boardKey(route, line, mid, stop.position, dayKey) - minutes <= after) {
                            low = mid + 1;
                        } else {
                            high = mid;
                        }
                    }
                    for (std::uint32_t j = low; j < route.tripCount; ++j) {
                        const std::int32_t key =
                            boardKey(route, line, j, stop.position, dayKey) - minutes;
                        if (key > until) break;
                        if (runs(day, route, j)) starts.push_back(key);
                    }
                }
            }
        };
        add(source_, 0);
        for (const auto& walk : walks(source_)) {
            if (walk.to != target_) add(walk.to, static_cast<std::int32_t>(walk.minutes));
        }
        std::sort(starts.begin(), starts.end(), std::greater<>());
        starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
        return starts;
    }

    // Forgets every label, before runs from starts latest first (`runAgain`).
    void forget() { clear(); }

    // Finds for each station a bound on the minutes from there to the target, riding as fast as
    // any trip of a line and changing at once, so that the runs that follow take only arrivals
    // that may still beat the best at the target. It pays where runs are many.
    void findBounds() {
        auto& bound = state_.bound;
        std::fill(bound.begin(), bound.end(), kFar);
        using Entry = std::pair<std::int32_t, Station>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
        bound[target_] = 0;
        queue.push({0, target_});
        while (!queue.empty()) {
            const auto [minutes, station] = queue.top();
            queue.pop();
            if (minutes > kBoundReach) break;
            if (minutes > bound[station]) continue;
            auto reach = [&](Station from, std::uint32_t more) {
                const std::int32_t total = minutes + static_cast<std::int32_t>(more);
                if (total < bound[from]) {
                    bound[from] = total;
                    queue.push({total, from});
                }
            };
            const auto hops =
                Backward ? network_.hopsOutOfStation(station) : network_.hopsIntoStation(station);
            for (const auto& hop : hops) reach(hop.station, hop.minutes);
            const auto walks =
                Backward ? network_.walksFromStation(station) : network_.walksToStation(station);
            for (const auto& walk : walks) reach(walk.to, walk.minutes);
        }
        bounded_ = true;
    }

    // Searches again from an earlier start than the run before, keeping what that one found:
    // an arrival it reached can be reached leaving earlier too, so only what leaving at this
    // start improves is searched. state_.arrival then holds the target's arrival per round where
    // this run improved it.
    void runAgain(std::int32_t startKey) {
        carried_ = true;
        ++state_.stamp;
        state_.marked.clear();
        search(startKey);
    }

    // Notes, for each of the last kAimedRounds rounds, where its labels can still lead to the
    // target with the rides left, so that the search sets no others: a ride of the last round
    // counts only where it ends at the target or at a station one walks to it from; a ride of
    // a round before only at a station where one may board a route to a station that counts in
    // the next round, or walk to such a station; and only so far along each route. Near the
    // target these are few stations; further back they soon are all, so only the last rounds
    // are aimed.
    void findNearTarget() {
        constexpr std::uint8_t kFarLevel = TimedSearchState::kFarLevel;
        constexpr std::uint32_t kAimed = TimedSearchState::kAimedRounds;
        const std::size_t routeCount = network_.routes.size();
        std::uint8_t* rideLevel = state_.rideLevel.data();
        std::uint8_t* boardLevel = state_.boardLevel.data();
        Station* listed = state_.nearListed.data();
        std::uint32_t* nearRoutes = state_.nearRoutes.data();
        Station* boarders = state_.boarders.data();
        for (std::size_t n = 0; n < state_.nearCount; ++n) {
            rideLevel[listed[n]] = kFarLevel;
            boardLevel[listed[n]] = kFarLevel;
        }
        for (std::size_t n = 0; n < state_.nearRouteCount; ++n) {
            for (std::uint32_t m = 0; m < kAimed; ++m) {
                state_.reach[m * routeCount + nearRoutes[n]] = TimedNetwork::kNone;
            }
        }
        // Stations and routes are listed the first time they are met, without a branch: each
        // is written past the last listed and counted if new. Where the level is set for a
        // station matters; the order of the lists does not.
        std::size_t listedCount = 0;
        std::size_t routesCount = 0;
        auto counts = [&](Station station, std::uint8_t level) {
            auto& known = rideLevel[station];
            listed[listedCount] = station;
            listedCount += known == kFarLevel ? 1 : 0;
            known = std::min(known, level);
        };
        const auto walksInto = [&](Station station) {
            return Backward ? network_.walksFromStation(station) : network_.walksToStation(station);
        };
        counts(target_, 0);
        for (const auto& walk : walksInto(target_)) counts(walk.to, 0);
        std::size_t levelBegin = 0;
        for (std::uint32_t m = 0; m < kAimed; ++m) {
            // How far along each route the stations that count with m rides left reach.
            std::uint32_t* reach = state_.reach.data() + m * routeCount;
            if (m > 0) {
                const std::uint32_t* fewer = reach - routeCount;
                for (std::size_t n = 0; n < routesCount; ++n) {
                    reach[nearRoutes[n]] = fewer[nearRoutes[n]];
                }
            }
            const std::size_t levelEnd = listedCount;
            for (std::size_t n = levelBegin; n < levelEnd; ++n) {
                for (const auto& stop : network_.stopsOf(listed[n])) {
                    const std::uint32_t index = indexOf(stop);
                    auto& last = reach[stop.route];
                    const bool fresh = last == TimedNetwork::kNone;
                    nearRoutes[routesCount] = stop.route;
                    routesCount += fresh ? 1 : 0;
                    last = fresh ? index : std::max(last, index);
                }
            }
            if (m + 1 == kAimed) break;
            levelBegin = levelEnd;
            // Where one may board with m + 1 rides left, and walk to such a station from. A
            // stop without a station reads the slot past the stations, whose level is never far.
            const auto level = static_cast<std::uint8_t>(m + 1);
            const Station noStation = state_.stations;
            std::size_t boarderCount = 0;
            for (std::size_t n = 0; n < routesCount; ++n) {
                const std::uint32_t routeNo = nearRoutes[n];
                const auto& route = network_.routes[routeNo];
                const std::uint32_t stopCount = network_.lineOf(route).stopCount;
                const Station* stations = network_.routeStations.data() + route.firstStation;
                for (std::uint32_t i = 0; i < reach[routeNo]; ++i) {
                    const Station station =
                        std::min(stations[Backward ? stopCount - 1 - i : i], noStation);
                    auto& board = boardLevel[station];
                    const bool fresh = board == kFarLevel;
                    boarders[boarderCount] = station;
                    boarderCount += fresh ? 1 : 0;
                    board = fresh ? level : board;
                }
            }
            for (std::size_t n = 0; n < boarderCount; ++n) {
                counts(boarders[n], level);
                for (const auto& walk : walksInto(boarders[n])) counts(walk.to, level);
            }
        }
        state_.nearCount = listedCount;
        state_.nearRouteCount = routesCount;
    }

  private:
    // The rides left after a round, where the round is aimed at the target, else kFarLevel.
    static std::uint32_t ridesLeft(std::uint32_t round) {
        const std::uint32_t left = kLastRound - round;
        return left < TimedSearchState::kAimedRounds ? left : TimedSearchState::kFarLevel;
    }
    // Whether a ride to a station, or a walk there, in a round can still lead to the target.
    bool rideCounts(std::uint32_t round, Station station) const {
        const std::uint32_t left = ridesLeft(round);
        return left == TimedSearchState::kFarLevel || state_.rideLevel[station] <= left;
    }
    bool walkCounts(std::uint32_t round, Station station) const {
        const std::uint32_t left = ridesLeft(round);
        return left == TimedSearchState::kFarLevel || station == target_ ||
               state_.boardLevel[station] <= left;
    }
    // The last stop of a route where a ride of an aimed round counts, or kNone.
    std::uint32_t reachIn(std::uint32_t round, std::uint32_t route) const {
        return state_.reach[ridesLeft(round) * network_.routes.size() + route];
    }

    void search(std::int32_t startKey) {
        std::fill(std::begin(improved_), std::end(improved_), false);
        // The window of absolute minutes that trips may use.
        const std::int32_t startMinute = kSign * startKey;
        const std::int32_t horizonMinute = kSign * horizonKey_;
        windowLow_ = std::min(startMinute, horizonMinute);
        windowHigh_ = std::max(startMinute, horizonMinute);

        startTarget(0);
        if (startKey < bestsAt(source_, 0).ready) {
            setWalk(0, source_, startKey, TimedSearchState::WalkStep{});
        }
        for (const auto& walk : walks(source_)) {
            const std::int32_t time = startKey + static_cast<std::int32_t>(walk.minutes);
            if (walk.to == target_ || !mayBeatTarget(walk.to, time) ||
                time >= bestsAt(walk.to, 0).ready) {
                continue;
            }
            setWalk(0, walk.to, time, TimedSearchState::WalkStep{source_, walk});
        }
        for (std::uint32_t round = 1; round < TimedSearchState::kRounds; ++round) {
            state_.arrival[round] = kNever;
            if (state_.marked.empty()) continue;
            ++state_.stamp;
            collectRoutes(round);
            startTarget(round);
            state_.rodeTo.clear();
            for (std::size_t n = 0; n < state_.routeCount; ++n) {
                const std::uint32_t route = state_.routes[n];
                if (ridesLeft(round) == TimedSearchState::kFarLevel ||
                    reachIn(round, route) != TimedNetwork::kNone) {
                    scanRoute(round, route);
                }
                state_.routeStart[route] = TimedNetwork::kNone;
                state_.routeEnd[route] = 0;
            }
            walkOn(round);
            if (improved_[round]) {
                const auto& labels = state_.labels[target_];
                state_.arrival[round] = std::min(labels.ride[round], labels.walk[round]);
            }
        }
    }

    // Arrivals at the target no sooner than the best with as many rides or fewer need not be
    // followed, nor any past the horizon.
    void startTarget(std::uint32_t round) {
        bestTarget_ = horizonKey_ == kNever ? kNever : horizonKey_ + 1;
        const auto& labels = state_.labels[target_];
        for (std::uint32_t r = 0; r <= round; ++r) {
            bestTarget_ = std::min({bestTarget_, labels.ride[r], labels.walk[r]});
        }
    }

    bool mayBeatTarget(Station station, std::int32_t time) const {
        return !bounded_ || time + state_.bound[station] < bestTarget_;
    }

    // A station's bests, taken over the rounds up to `round`. Within one run the later rounds
    // have no labels yet; a run again holds those of the run before, which must not prune an
    // arrival with fewer rides.
    TimedSearchState::Bests& bestsAt(Station station, std::uint32_t round) {
        auto& bests = state_.bests[station];
        if (!carried_) return bests;
        auto& labels = state_.labels[station];
        if (labels.bestsFor != state_.stamp) {
            labels.bestsFor = state_.stamp;
            std::int32_t ride = kNever;
            std::int32_t walk = kNever;
            for (std::uint32_t r = 0; r <= round; ++r) {
                ride = std::min(ride, labels.ride[r]);
                walk = std::min(walk, labels.walk[r]);
            }
            bests = {ride, std::min(walk, ride == kNever ? kNever : ride + labels.change)};
        }
        return bests;
    }

    // Where a stop lies on its route in the search's direction.
    std::uint32_t indexOf(const TimedNetwork::StopAt& stop) const {
        if constexpr (Backward) {
            return network_.lineOf(network_.routes[stop.route]).stopCount - 1 - stop.position;
        } else {
            return stop.position;
        }
    }

    std::size_t at(std::uint32_t round, Station station) const {
        return std::size_t{round} * state_.stations + station;
    }

    std::span<const TimedNetwork::Walk> walks(Station station) const {
        return Backward ? network_.walksToStation(station) : network_.walksFromStation(station);
    }

    void clear() {
        for (const Station station : state_.labelled) {
            auto& labels = state_.labels[station];
            labels = TimedSearchState::Labels{.change = labels.change};
            state_.bests[station] = {};
        }
        state_.labelled.clear();
        state_.marked.clear();
        ++state_.stamp;
        state_.arrival[0] = kNever;
    }

    // The station's labels, listed to be cleared; its bests taken for the round.
    TimedSearchState::Labels& touch(Station station, std::uint32_t round) {
        bestsAt(station, round);
        auto& labels = state_.labels[station];
        if (!labels.listed) {
            labels.listed = true;
            state_.labelled.push_back(station);
        }
        return labels;
    }

    void mark(Station station) {
        if (station == target_ || state_.markStamp[station] == state_.stamp) return;
        state_.markStamp[station] = state_.stamp;
        state_.marked.push_back(station);
    }

    void setWalk(std::uint32_t round, Station station, std::int32_t time,
                 const TimedSearchState::WalkStep& step) {
        auto& labels = touch(station, round);
        labels.walk[round] = time;
        state_.bests[station].ready = time;
        state_.walkSteps[at(round, station)] = step;
        if (station == target_) {
            bestTarget_ = std::min(bestTarget_, time);
            improved_[round] = true;
        }
        mark(station);
    }

    void setRide(std::uint32_t round, Station station, std::int32_t time,
                 const TimedSearchState::RideStep& step) {
        auto& labels = touch(station, round);
        labels.ride[round] = time;
        auto& bests = state_.bests[station];
        bests.ride = time;
        state_.rideSteps[at(round, station)] = step;
        if (station == target_) {
            bestTarget_ = std::min(bestTarget_, time);
            improved_[round] = true;
        }
        if (state_.rodeStamp[station] != state_.stamp) {
            state_.rodeStamp[station] = state_.stamp;
            state_.rodeTo.push_back(station);
        }
        const std::int32_t ready = time + labels.change;
        if (ready < bests.ready) {
            bests.ready = ready;
            mark(station);
        }
    }

    // The routes through the stations marked in the round before, each from its first marked
    // stop in the search's direction to its last one; those stations may be boarded from.
    void collectRoutes(std::uint32_t round) {
        // A route is listed at its first stop marked, without a branch: which stop of a route
        // comes first is beyond guessing.
        std::uint32_t* routes = state_.routes.data();
        std::size_t count = 0;
        for (const Station station : state_.marked) {
            noteBoarding(round, station);
            for (const auto& stop : network_.stopsOf(station)) {
                const std::uint32_t index = indexOf(stop);
                auto& start = state_.routeStart[stop.route];
                auto& end = state_.routeEnd[stop.route];
                routes[count] = stop.route;
                count += start == TimedNetwork::kNone ? 1 : 0;
                start = std::min(start, index);
                end = std::max(end, index);
            }
        }
        state_.routeCount = count;
        state_.marked.clear();
    }

    // Notes the soonest one may board at a station in a round, after the round before, and
    // whether on foot; that round's labels are final by then.
    void noteBoarding(std::uint32_t round, Station station) {
        const auto& labels = state_.labels[station];
        const std::int32_t ride = labels.ride[round - 1];
        const std::int32_t walk = labels.walk[round - 1];
        const std::int32_t afterRide = ride == kNever ? kNever : ride + labels.change;
        state_.boarding[station] = {std::min(walk, afterRide), state_.stamp, walk <= afterRide};
    }

    // Where trip j of a route in the search's direction lies in the arrays by route trip.
    static std::uint32_t tripIndex(const TimedNetwork::Route& route, std::uint32_t j) {
        return route.firstTrip + (Backward ? route.tripCount - 1 - j : j);
    }
    // Trip j of a route in the search's direction.
    std::uint32_t tripAt(const TimedNetwork::Route& route, std::uint32_t j) const {
        return network_.routeTrips[tripIndex(route, j)];
    }
    // The first trip after j, in the search's direction, whose service differs from j's.
    std::uint32_t nextService(const TimedNetwork::Route& route, std::uint32_t j) const {
        const std::uint32_t index = tripIndex(route, j);
        return j + 1 +
               (Backward ? network_.sameServiceBefore[index] : network_.sameServiceAfter[index]);
    }
    // When trip j of a route in the search's direction may be boarded at a position: its
    // departure forward, read from the route's departures by stop, which lie together for the
    // halving; its arrival backward.
    std::int32_t boardKey(const TimedNetwork::Route& route, const Timetable::Line& line,
                          std::uint32_t j, std::uint32_t position, std::int32_t dayKey) const {
        if constexpr (Backward) {
            return dayKey - static_cast<std::int32_t>(
                                timetable_.arrivalsOf(tripAt(route, j), line)[position]);
        } else {
            return dayKey + static_cast<std::int32_t>(
                                network_.departuresByStop[route.firstDeparture +
                                                          position * route.tripCount + j]);
        }
    }
    // Where a trip's times at which it may be left lie: its arrivals forward, its departures
    // backward.
    const ServiceMinute* alightTimes(const Timetable::Line& line, std::uint32_t trip) const {
        return Backward ? timetable_.departuresOf(trip, line).data()
                        : timetable_.arrivalsOf(trip, line).data();
    }
    // Whether trip j of a route in the search's direction runs on the day.
    bool runs(ServiceDay day, const TimedNetwork::Route& route, std::uint32_t j) const {
        const std::uint32_t index = route.firstTrip + (Backward ? route.tripCount - 1 - j : j);
        return state_
            .running[static_cast<std::size_t>(day - state_.firstDay) * network_.serviceCount +
                     network_.routeServices[index]];
    }

    void scanRoute(std::uint32_t round, std::uint32_t routeNo) {
        const auto& route = network_.routes[routeNo];
        // The service days whose trips of the route may fall in the window, in the search's
        // direction.
        const ServiceDay lastDay = std::min(floorDiv(windowHigh_ - route.earliest, kDay),
                                            state_.firstDay + state_.dayCount - 1);
        const ServiceDay firstDay =
            std::max(floorDiv(windowLow_ - route.latest + kDay - 1, kDay), state_.firstDay);
        if (firstDay > lastDay) return;
        const std::int32_t count = lastDay - firstDay + 1;
        ServiceDay days[kMaxDays];
        std::int32_t used = 0;
        for (std::int32_t d = 0; d < count && used < kMaxDays; ++d) {
            days[used++] = Backward ? lastDay - d : firstDay + d;
        }
        // Where the trips of one day all come before those of the next, the days are one
        // sequence of trips; else each day is scanned by itself.
        if (route.dayOrdered) {
            scanDays(round, routeNo, route, {days, static_cast<std::size_t>(used)});
        } else {
            for (std::int32_t d = 0; d < used; ++d) scanDays(round, routeNo, route, {days + d, 1});
        }
    }

    // A trip of the route on one of the days scanned: index into those days, and j.
    struct DayTrip {
        std::uint32_t day;
        std::uint32_t j;
    };

    // Whether the trip ridden is not the first one may catch: the one before it in the
    // sequence, running or not, leaves after `soonest`. Mostly it does not, which spares the
    // search.
    bool earlierMayCatch(const TimedNetwork::Route& route, const Timetable::Line& line,
                         std::span<const ServiceDay> days, std::uint32_t position,
                         std::int32_t soonest, DayTrip current) const {
        if (current.j > 0) {
            return boardKey(route, line, current.j - 1, position,
                            kSign * days[current.day] * kDay) >= soonest;
        }
        return current.day > 0 && boardKey(route, line, route.tripCount - 1, position,
                                           kSign * days[current.day - 1] * kDay) >= soonest;
    }

    // The first trip before `before` that leaves the position at or after `soonest` and runs
    // on its day; `before` when there is none.
    DayTrip firstCatchable(const TimedNetwork::Route& route, const Timetable::Line& line,
                           std::span<const ServiceDay> days, std::uint32_t position,
                           std::int32_t soonest, DayTrip before) const {
        for (std::uint32_t d = 0; d <= before.day && d < days.size(); ++d) {
            const std::int32_t dayKey = kSign * days[d] * kDay;
            std::uint32_t high = d == before.day ? before.j : route.tripCount;
            if (high == 0 || boardKey(route, line, high - 1, position, dayKey) < soonest) {
                continue;
            }
            std::uint32_t low = 0;
            if constexpr (Backward) {
                while (low < high) {
                    const std::uint32_t mid = low + (high - low) / 2;
                    if (boardKey(route, line, mid, position, dayKey) < soonest) {
                        low = mid + 1;
                    } else {
                        high = mid;
                    }
                }
            } else if (soonest > dayKey) {
                // The departures at the position lie together: halve them as minutes of the day.
                const ServiceMinute* first = network_.departuresByStop.data() +
                                             route.firstDeparture + position * route.tripCount;
                const auto minute = static_cast<ServiceMinute>(soonest - dayKey);
                low = countBefore(first, high, minute);
            }
            const std::uint32_t end = d == before.day ? before.j : route.tripCount;
            if (route.longServiceRuns) {
                while (low < end && !runs(days[d], route, low)) low = nextService(route, low);
            } else {
                // Each step needs no read of the one before, so the steps overlap.
                while (low < end && !runs(days[d], route, low)) ++low;
            }
            if (low < end) return {d, low};
        }
        return before;
    }

    void scanDays(std::uint32_t round, std::uint32_t routeNo, const TimedNetwork::Route& route,
                  std::span<const ServiceDay> days) {
        const auto& line = network_.lineOf(route);
        const Station* stations = network_.routeStations.data() + route.firstStation;
        const DayTrip none{static_cast<std::uint32_t>(days.size()), 0};
        DayTrip current = none;
        std::uint32_t trip = 0;
        const ServiceMinute* alights = nullptr;  // the trip's, by position
        std::int32_t dayKey = 0;
        std::uint32_t boardedAt = 0;
        bool boardedOnFoot = false;
        // In an aimed round nothing past the route's last station that counts is of use.
        const std::uint32_t scanEnd = ridesLeft(round) == TimedSearchState::kFarLevel
                                          ? line.stopCount
                                          : reachIn(round, routeNo) + 1;
        // What every stop reads, taken out of the state once: the search changes none of it here.
        const std::uint32_t lastMarked = state_.routeEnd[routeNo];
        const std::uint32_t stamp = state_.stamp;
        const TimedSearchState::Boarding* boardings = state_.boarding.data();
        for (std::uint32_t i = state_.routeStart[routeNo]; i < scanEnd; ++i) {
            const std::uint32_t position = Backward ? line.stopCount - 1 - i : i;
            const Station station = stations[position];
            if (station == TimedNetwork::kNone) continue;
            bool riding = current.day != none.day;
            if (riding) {
                const std::int32_t time =
                    dayKey + kSign * static_cast<std::int32_t>(alights[position]);
                if (time >= bestTarget_ || !mayBeatTarget(station, time)) {
                    // From here on it cannot beat the best at the target: it arrives later
                    // further on, and the bound shrinks along it no faster than it rides.
                    current = none;
                    riding = false;
                } else if (rideCounts(round, station) && time < bestsAt(station, round).ride) {
                    setRide(round, station, time,
                            TimedSearchState::RideStep{routeNo, trip, days[current.day], boardedAt,
                                                       position, boardedOnFoot});
                }
            }
            // Past the last stop marked, only a trip boarded before has anything to add.
            if (!riding && i > lastMarked) break;
            // A station not improved in the round before was boarded from in an earlier round
            // at as soon a time: boarding there again reaches nothing sooner.
            const auto& boarding = boardings[station];
            if (boarding.stamp != stamp) continue;
            const std::int32_t soonest = boarding.ready;
            if (soonest >= bestTarget_ || !mayBeatTarget(station, soonest)) continue;
            if (riding && (boardKey(route, line, current.j, position, dayKey) < soonest ||
                           !earlierMayCatch(route, line, days, position, soonest, current))) {
                continue;
            }
            const DayTrip caught = firstCatchable(route, line, days, position, soonest, current);
            if (caught.day != current.day || caught.j != current.j) {
                current = caught;
                trip = tripAt(route, caught.j);
                alights = alightTimes(line, trip);
                dayKey = kSign * days[caught.day] * kDay;
                boardedAt = position;
                boardedOnFoot = boarding.onFoot;
            }
        }
    }

    void walkOn(std::uint32_t round) {
        for (const Station station : state_.rodeTo) {
            const std::int32_t time = state_.labels[station].ride[round];
            for (const auto& walk : walks(station)) {
                const std::int32_t arrival = time + static_cast<std::int32_t>(walk.minutes);
                if (!walkCounts(round, walk.to) || arrival >= bestTarget_ ||
                    !mayBeatTarget(walk.to, arrival) || arrival >= bestsAt(walk.to, round).ready) {
                    continue;
                }
                setWalk(round, walk.to, arrival, TimedSearchState::WalkStep{station, walk});
            }
        }
    }

    const TimedNetwork& network_;
    const Timetable& timetable_;
    TimedSearchState& state_;
    Station source_;
    Station target_;
    std::int32_t horizonKey_;
    std::int32_t bestTarget_ = kNever;
    std::int32_t windowLow_ = 0;
    std::int32_t windowHigh_ = 0;
    bool carried_ = false;                        // labels of the run before are kept
    bool bounded_ = false;                        // state_.bound holds for the target
    bool improved_[TimedSearchState::kRounds]{};  // the target's label, per round, this run
};

// Notes which services run on each day a search around `minute` may use.
void noteRunningServices(const TimedNetwork& network, TimedSearchState& state, JourneyMinute minute,
                         std::uint32_t rangeMinutes) {
    const Timetable& timetable = *network.timetable;
    const std::int32_t reach = static_cast<std::int32_t>(kHorizonMinutes + rangeMinutes);
    state.firstDay = floorDiv(minute - reach - network.latestTime, kDay);
    state.dayCount = floorDiv(minute + reach, kDay) - state.firstDay + 1;
    state.running.assign(static_cast<std::size_t>(state.dayCount) * network.serviceCount, 0);
    for (std::int32_t d = 0; d < state.dayCount; ++d) {
        for (std::uint32_t service = 0; service < network.serviceCount; ++service) {
            state.running[static_cast<std::size_t>(d) * network.serviceCount + service] =
                !timetable.calendarGiven || timetable.runs(service, state.firstDay + d);
        }
    }
}

bool removes(const TimedJourney& a, const TimedJourney& b) {
    return a.depart >= b.depart && a.arrive <= b.arrive && a.rides <= b.rides;
}

template <bool Backward>
std::vector<TimedJourney> searchRange(const TimedNetwork& network, TimedSearchState& state,
                                      const TimedQuery& query, JourneyMinute minute) {
    constexpr std::int32_t kSign = Backward ? -1 : 1;
    const Station source = Backward ? query.destination : query.origin;
    const Station target = Backward ? query.origin : query.destination;
    const std::int32_t startKey = kSign * minute;
    Rounds<Backward> rounds(network, state, source, target,
                            startKey + static_cast<std::int32_t>(kHorizonMinutes));
    // Where a journey starts in the search's direction: its departure, or its arrival negated.
    auto startOf = [](const TimedJourney& journey) {
        return Backward ? -journey.arrive : journey.depart;
    };

    std::vector<TimedJourney> found;
    auto collect = [&](std::int32_t limit) {
        for (std::uint32_t round = 1; round < TimedSearchState::kRounds; ++round) {
            if (state.arrival[round] == kNever) continue;
            TimedJourney journey = rebuildJourney(network, state, source, target, round, Backward);
            if (startOf(journey) <= limit) found.push_back(std::move(journey));
        }
    };
    rounds.findNearTarget();
    if (query.rangeMinutes > 0) rounds.findBounds();
    rounds.run(startKey);
    collect(kNever);
    const std::size_t fromFirst = found.size();
    if (!found.empty() && query.rangeMinutes > 0) {
        // The later starts within the range, searched latest first so that each run keeps what
        // the one before found and searches only what leaving sooner improves.
        const std::int32_t earliestStart = startOf(*std::min_element(
            found.begin(), found.end(),
            [&](const auto& a, const auto& b) { return startOf(a) < startOf(b); }));
        const std::int32_t limit = earliestStart + static_cast<std::int32_t>(query.rangeMinutes);
        const auto starts = rounds.startsWithin(earliestStart, limit);
        rounds.forget();
        for (const std::int32_t start : starts) {
            rounds.runAgain(start);
            collect(limit);
        }
        // The later ones in order of their start, as a traveller reads them.
        std::stable_sort(found.begin() + static_cast<std::ptrdiff_t>(fromFirst), found.end(),
                         [&](const auto& a, const auto& b) { return startOf(a) < startOf(b); });
    }

    // The journeys no other one removes; of equal ones the first found stays.
    std::vector<bool> removed(found.size(), false);
    for (std::size_t i = 0; i < found.size(); ++i) {
        for (std::size_t j = 0; j < found.size() && !removed[i]; ++j) {
            if (j == i || removed[j] || !removes(found[j], found[i])) continue;
            const bool same = removes(found[i], found[j]);
            removed[i] = !same || j < i;
        }
    }
    std::vector<TimedJourney> kept;
    for (std::size_t i = 0; i < found.size() && kept.size() < kMaxTimedJourneys; ++i) {
        if (!removed[i] && i < fromFirst) kept.push_back(found[i]);
    }
    for (std::size_t i = fromFirst; i < found.size() && kept.size() < kMaxTimedJourneys; ++i) {
        if (!removed[i]) kept.push_back(found[i]);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
        return a.depart != b.depart ? a.depart < b.depart : a.arrive < b.arrive;
    });
    return kept;
}

}  // namespace

TimedAnswer searchByClock(const TimedNetwork& network, TimedSearchState& state,
                          const TimedQuery& query) {
    TimedAnswer answer;
    const auto choice = chooseServiceDay(*network.timetable, query.day);
    answer.serviceDay = choice.day;
    answer.dateMoved = choice.moved;
    if (query.origin == query.destination || query.origin >= network.stationCount ||
        query.destination >= network.stationCount || network.routes.empty()) {
        return answer;
    }
    const JourneyMinute minute = journeyMinute(choice.day, query.minute);
    noteRunningServices(network, state, minute, query.rangeMinutes);
    answer.journeys = query.arriveBy ? searchRange<true>(network, state, query, minute)
                                     : searchRange<false>(network, state, query, minute);
    return answer;
}

}  // namespace busquery
