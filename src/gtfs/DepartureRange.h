#pragma once

#include <algorithm>

#include "gtfs/GtfsTime.h"

namespace busquery {

// The first and the last departure of a set of trips, unknown until a time is included.
struct DepartureRange {
    ServiceSeconds first = -1;
    ServiceSeconds last = -1;

    bool known() const { return first >= 0; }

    void include(ServiceSeconds from, ServiceSeconds to) {
        if (from < 0) return;
        first = known() ? std::min(first, from) : from;
        last = std::max(last, to);
    }
    void include(const DepartureRange& other) { include(other.first, other.last); }
};

}  // namespace busquery
