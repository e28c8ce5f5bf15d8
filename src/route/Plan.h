#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace busquery {

// One of the lines a ride may be taken on, with the stops it rides.
struct RideLine {
    std::string lnna;  // as stored, direction words included
    std::uint32_t stops = 0;

    bool operator==(const RideLine&) const = default;
};

// One stretch of a journey: a ride on any of its lines, or a walk between two stations.
struct PlanLeg {
    enum class Kind { Ride, Walk };

    Kind kind = Kind::Ride;
    std::vector<RideLine> lines;  // rides only: the first is the one the stop count goes by
    std::string from;
    std::string to;
    std::uint32_t stops = 0;   // rides: the stops of the first line
    std::uint32_t metres = 0;  // walks

    bool operator==(const PlanLeg&) const = default;
};

// A way from the origin to the destination, its legs in travelling order: a one-change plan (two
// rides, each on any of its lines) or a journey of the search with more changes and walks.
struct Plan {
    std::uint32_t C = 0;  // the approximate number of stops it is ranked by
    std::vector<PlanLeg> legs;
    bool journey = false;  // a journey says how often it changes, a one-change plan does not

    bool operator==(const Plan&) const = default;
};

}  // namespace busquery
