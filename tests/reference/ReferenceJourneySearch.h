#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "network/NetworkIndex.h"

namespace busquery::test {

// The fewest rides and the lowest cost at that number of rides of a journey between two
// stations, by trying every journey of one ride, then of two, and so on up to five: every line
// of the city from every stop at the station to every later stop, and every walk, never twice
// on foot in a row, never twice in a row on one line, and never to a station the journey stopped at
// before. A journey has at least one ride and ends where it reaches the destination. Plain and
// slow: for the tests to compare.
struct ReferenceJourney {
    std::uint32_t rides = 0;
    std::uint32_t cost = 0;
};

std::optional<ReferenceJourney> referenceJourney(const NetworkIndex& network,
                                                 const std::string& from, const std::string& to);

}  // namespace busquery::test
