#pragma once

#include "route/TimedJourney.h"
#include "route/TimedSearchState.h"

namespace busquery {

// Journeys by the clock between two stations of a timed network, in rounds over its routes
// (RAPTOR): round k finds the earliest arrivals with k rides.
//
// Leaving at a time, the answer holds the journey of fewest rides that arrives earliest and,
// for every further number of rides up to TimedSearchState::kMaxRides, the earliest journey if
// it arrives sooner still; then the same for every later start up to TimedQuery::rangeMinutes
// after the first journey's, so that later departures show too (the range variant, rRAPTOR: the
// latest start first, each run keeping what the ones before found). A journey that leaves no
// earlier, arrives no later and rides no more often than another removes that other one, also
// when that other leaves past the range and is not listed itself. At most kMaxJourneys are kept,
// those of the first search first, listed in order of departure.
// Arriving by a time, the same runs backwards: the latest departures that arrive in time.
//
// Trips run on the service day they belong to, also past midnight, so a search early in the day
// sees the late trips of the day before. A search looks at most kHorizonMinutes ahead (or back).
inline constexpr std::uint32_t kHorizonMinutes = 24 * 60;
inline constexpr std::size_t kMaxTimedJourneys = 10;

TimedAnswer searchByClock(const TimedNetwork& network, TimedSearchState& state,
                          const TimedQuery& query);

}  // namespace busquery
