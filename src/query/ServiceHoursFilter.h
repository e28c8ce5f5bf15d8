#pragma once

#include <cstdint>
#include <vector>

#include "network/NetworkIndex.h"

namespace busquery {

// The city's lines whose service hours (fltime) leave out a minute of the day, in lnid order; a
// line whose fltime gives no hours is never left out.
std::vector<std::uint32_t> linesOutOfService(const NetworkIndex& index, std::uint32_t minute);

// The network without those lines: they keep their rows but pass no station, so that no search
// rides them.
NetworkIndex withoutLines(const NetworkIndex& index, const std::vector<std::uint32_t>& lines);

}  // namespace busquery
