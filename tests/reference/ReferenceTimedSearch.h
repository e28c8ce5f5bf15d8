#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "route/TimedJourney.h"
#include "route/TimedNetwork.h"

namespace busquery {

// The search by the clock done plainly and slowly over every event of every trip on every day
// that may matter, straight from the timetable and the network's parts, rounds of rides and
// walks without routes, marks or pruning. Times are minutes since 1970-01-01 00:00.
struct ReferenceTimedSearch {
    static constexpr std::int32_t kNone = INT32_MIN;
    static constexpr std::uint32_t kMaxRides = 5;

    ReferenceTimedSearch(const Timetable& timetable, const TimedNetwork::Parts& parts);

    const Timetable& timetable;
    const TimedNetwork::Parts& parts;

    // Per number of rides k (index k, 1 to kMaxRides): the earliest arrival at `to` with at most
    // k rides leaving `from` at `minute` or later, arriving within a day; kNone where none.
    std::array<std::int32_t, kMaxRides + 1> earliestArrivals(TimedNetwork::Station from,
                                                             TimedNetwork::Station to,
                                                             std::int32_t minute) const;
    // The same backwards: the latest departure from `from` with at most k rides arriving at
    // `to` by `minute`, leaving at most a day before.
    std::array<std::int32_t, kMaxRides + 1> latestDepartures(TimedNetwork::Station from,
                                                             TimedNetwork::Station to,
                                                             std::int32_t minute) const;

    // An answer's best time with at most k rides in the form of the two above: its earliest
    // arrival, or with arriveBy its latest departure.
    static std::array<std::int32_t, kMaxRides + 1> bestByRides(const TimedAnswer& answer,
                                                               bool arriveBy);

    // Minutes to change at a station, and to walk between two (kNone where no walk joins them).
    std::int32_t changeAt(TimedNetwork::Station station) const;
    std::int32_t walkBetween(TimedNetwork::Station from, TimedNetwork::Station to) const;
    bool runs(std::uint32_t trip, ServiceDay day) const;
    ServiceMinute latest() const { return latest_; }

  private:
    std::vector<std::int32_t> changes_;
    std::map<std::pair<TimedNetwork::Station, TimedNetwork::Station>, std::int32_t> walks_;
    ServiceMinute latest_ = 0;
};

}  // namespace busquery
