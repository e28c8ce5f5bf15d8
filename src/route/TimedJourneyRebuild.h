#pragma once

#include <cstdint>

#include "route/TimedJourney.h"
#include "route/TimedSearchState.h"

namespace busquery {

// The journey of a finished round of a timed search: its legs, in travelling order, traced back
// from the target's label of that round to the source. `backward` when the search ran back from
// an arrival, so that its source is where the journey ends.
TimedJourney rebuildJourney(const TimedNetwork& network, const TimedSearchState& state,
                            TimedNetwork::Station source, TimedNetwork::Station target,
                            std::uint32_t round, bool backward);

}  // namespace busquery
