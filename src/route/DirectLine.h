#pragma once

#include <cstdint>
#include <string>

namespace busquery {

// A line that carries the traveller from the origin to the destination without a change.
struct DirectLine {
    std::string lnna;     // as stored, direction words included
    std::string stretch;  // the list from the origin to the destination, as written, ";" included
    std::uint32_t stops;  // stops from the origin to the destination

    bool operator==(const DirectLine&) const = default;
};

}  // namespace busquery
