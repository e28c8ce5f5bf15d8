#include "reference/ReferenceTimedSearch.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace busquery {

namespace {

constexpr std::int32_t kLate = INT32_MAX;
constexpr std::int32_t kEarly = INT32_MIN;

// A trip on one day: its line, and where it is at every stop.
struct TripOnDay {
    std::uint32_t line;
    std::vector<std::int32_t> arrivals;
    std::vector<std::int32_t> departures;
};

std::vector<TripOnDay> tripsAround(const ReferenceTimedSearch& search, std::int32_t minute) {
    const Timetable& timetable = search.timetable;
    std::vector<TripOnDay> trips;
    const std::int32_t today = minute >= 0 ? minute / 1440 : -((-minute + 1439) / 1440);
    for (std::uint32_t l = 0; l < timetable.lines.size(); ++l) {
        const auto& line = timetable.lines[l];
        if (search.parts.lineStations.size() <= l ||
            search.parts.lineStations[l].size() != line.stopCount) {
            continue;
        }
        for (std::uint32_t t = line.firstTrip; t < line.firstTrip + line.tripCount; ++t) {
            for (ServiceDay day = today - 2 - search.latest() / 1440; day <= today + 2; ++day) {
                if (!search.runs(t, day)) continue;
                TripOnDay trip{l, {}, {}};
                // Where the trip does not stop it is neither boarded nor left.
                for (std::uint32_t i = 0; i < line.stopCount; ++i) {
                    const bool stops = timetable.arrivalsOf(t, line)[i] != Timetable::kNoStop;
                    trip.arrivals.push_back(stops ? day * 1440 + timetable.arrivalsOf(t, line)[i]
                                                  : kLate);
                    trip.departures.push_back(
                        stops ? day * 1440 + timetable.departuresOf(t, line)[i] : kEarly);
                }
                trips.push_back(std::move(trip));
            }
        }
    }
    return trips;
}

}  // namespace

ReferenceTimedSearch::ReferenceTimedSearch(const Timetable& timetable,
                                           const TimedNetwork::Parts& parts)
    : timetable(timetable), parts(parts) {
    for (const auto& arrival : timetable.arrivals) {
        if (arrival != Timetable::kNoStop) latest_ = std::max(latest_, arrival);
    }
    changes_.assign(parts.stationCount, 2);
    for (const auto& change : parts.changes) {
        if (change.from == change.to) changes_[change.from] = change.minutes;
    }
    for (const auto& walk : parts.walks) {
        if (walk.from == walk.to) continue;
        std::int32_t given = kNone;
        for (const auto& change : parts.changes) {
            if (change.from == walk.from && change.to == walk.to) given = change.minutes;
        }
        const std::int32_t minutes =
            given != kNone ? given : static_cast<std::int32_t>((walk.metres + 79) / 80);
        auto [at, added] = walks_.try_emplace({walk.from, walk.to}, minutes);
        if (!added) at->second = std::min(at->second, minutes);
    }
}

bool ReferenceTimedSearch::runs(std::uint32_t trip, ServiceDay day) const {
    if (!timetable.calendarGiven) return true;
    const auto offset = day - timetable.firstDay;
    if (offset < 0 || offset >= timetable.dayCount) return false;
    const auto service = timetable.trips[trip].service;
    const auto word = timetable.serviceDays[service * timetable.wordsPerService + offset / 64];
    return ((word >> (offset % 64)) & 1U) != 0;
}

std::int32_t ReferenceTimedSearch::changeAt(TimedNetwork::Station station) const {
    return changes_[station];
}

std::int32_t ReferenceTimedSearch::walkBetween(TimedNetwork::Station from,
                                               TimedNetwork::Station to) const {
    const auto walk = walks_.find({from, to});
    return walk == walks_.end() ? kNone : walk->second;
}

std::array<std::int32_t, ReferenceTimedSearch::kMaxRides + 1>
ReferenceTimedSearch::earliestArrivals(TimedNetwork::Station from, TimedNetwork::Station to,
                                       std::int32_t minute) const {
    const std::uint32_t n = parts.stationCount;
    const auto trips = tripsAround(*this, minute);
    std::vector<std::int32_t> ready(n, kLate);
    ready[from] = minute;
    for (const auto& [pair, walk] : walks_) {
        if (pair.first == from && pair.second != to) {
            ready[pair.second] = std::min(ready[pair.second], minute + walk);
        }
    }
    std::array<std::int32_t, kMaxRides + 1> result;
    result.fill(kNone);
    std::int32_t best = kLate;
    for (std::uint32_t k = 1; k <= kMaxRides; ++k) {
        std::vector<std::int32_t> ride(n, kLate);
        for (const auto& trip : trips) {
            const auto& stations = parts.lineStations[trip.line];
            bool aboard = false;
            for (std::size_t i = 0; i < stations.size(); ++i) {
                const auto s = stations[i];
                if (s == TimedNetwork::kNone) continue;
                if (aboard) ride[s] = std::min(ride[s], trip.arrivals[i]);
                if (ready[s] <= trip.departures[i]) aboard = true;
            }
        }
        std::vector<std::int32_t> walked(n, kLate);
        for (const auto& [pair, walk] : walks_) {
            const auto [a, b] = pair;
            if (ride[a] != kLate) walked[b] = std::min(walked[b], ride[a] + walk);
        }
        const std::int32_t arrival = std::min(ride[to], walked[to]);
        if (arrival <= minute + 1440) best = std::min(best, arrival);
        if (best != kLate) result[k] = best;
        for (std::uint32_t s = 0; s < n; ++s) {
            ready[s] = std::min(ride[s] == kLate ? kLate : ride[s] + changeAt(s), walked[s]);
        }
    }
    return result;
}

std::array<std::int32_t, ReferenceTimedSearch::kMaxRides + 1>
ReferenceTimedSearch::latestDepartures(TimedNetwork::Station from, TimedNetwork::Station to,
                                       std::int32_t minute) const {
    const std::uint32_t n = parts.stationCount;
    const auto trips = tripsAround(*this, minute);
    // needed[s]: the latest one may be at s and still make it, by the rides still to come.
    std::vector<std::int32_t> needed(n, kEarly);
    needed[to] = minute;
    for (const auto& [pair, walk] : walks_) {
        if (pair.second == to && pair.first != from) {
            needed[pair.first] = std::max(needed[pair.first], minute - walk);
        }
    }
    std::array<std::int32_t, kMaxRides + 1> result;
    result.fill(kNone);
    std::int32_t best = kEarly;
    for (std::uint32_t k = 1; k <= kMaxRides; ++k) {
        std::vector<std::int32_t> ride(n, kEarly);
        for (const auto& trip : trips) {
            const auto& stations = parts.lineStations[trip.line];
            bool aboard = false;
            for (std::size_t i = stations.size(); i-- > 0;) {
                const auto s = stations[i];
                if (s == TimedNetwork::kNone) continue;
                if (aboard) ride[s] = std::max(ride[s], trip.departures[i]);
                if (needed[s] >= trip.arrivals[i]) aboard = true;
            }
        }
        std::vector<std::int32_t> walked(n, kEarly);
        for (const auto& [pair, walk] : walks_) {
            const auto [a, b] = pair;
            if (ride[b] != kEarly) walked[a] = std::max(walked[a], ride[b] - walk);
        }
        const std::int32_t departure = std::max(ride[from], walked[from]);
        if (departure >= minute - 1440) best = std::max(best, departure);
        if (best != kEarly) result[k] = best;
        for (std::uint32_t s = 0; s < n; ++s) {
            needed[s] = std::max(ride[s] == kEarly ? kEarly : ride[s] - changeAt(s), walked[s]);
        }
    }
    return result;
}

std::array<std::int32_t, ReferenceTimedSearch::kMaxRides + 1> ReferenceTimedSearch::bestByRides(
    const TimedAnswer& answer, bool arriveBy) {
    std::array<std::int32_t, kMaxRides + 1> best;
    best.fill(kNone);
    for (std::uint32_t k = 1; k <= kMaxRides; ++k) {
        for (const auto& journey : answer.journeys) {
            if (journey.rides > k) continue;
            const std::int32_t time = arriveBy ? journey.depart : journey.arrive;
            if (best[k] == kNone || (arriveBy ? time > best[k] : time < best[k])) best[k] = time;
        }
    }
    return best;
}

}  // namespace busquery
