#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "route/RouteIndex.h"

namespace busquery {

struct NetworkIndex;

// The network as the search for journeys with more changes reads it: stations are the route
// index's FoldedIds under numbers of its own, lines are the lines of the city with their stops
// in travelling order, and the walks of nstwalk join two stations.
struct JourneyNetwork {
    using Station = std::uint32_t;
    static constexpr Station kNone = RouteIndex::kNone;

    // One stop of a line at a station.
    struct Stop {
        std::uint32_t line;  // index into lines
        std::uint32_t position;
    };

    struct Walk {
        Station to;
        std::uint32_t metres;
        std::uint32_t row;  // the nstwalk row it comes from (NetworkIndex::walks), for its names
    };

    // The items of each line or station in one block, so that a search reads them without a
    // pointer to follow.
    template <typename T>
    struct Grouped {
        std::vector<std::uint32_t> first{0};  // per line or station where its items begin; the end
        std::vector<T> items;

        std::span<const T> operator[](std::uint32_t group) const {
            return {items.data() + first[group], first[group + 1] - first[group]};
        }
        std::uint32_t size() const { return static_cast<std::uint32_t>(first.size() - 1); }
        static Grouped from(const std::vector<std::vector<T>>& lists);
    };

    std::vector<std::uint32_t> lines;  // the city's lines as indexes into NetworkIndex::lines
    // Per line its stops in travelling order; kNone for an empty piece: a stop, no station.
    Grouped<Station> stops;
    std::vector<Station> stationOf;  // FoldedId → its number here
    Grouped<Stop> stopsAt;           // Station → every stop of a city line there
    Grouped<Walk> walksFrom;         // Station → the shortest walk to each other one
    Grouped<Walk> walksTo;           // the same walks by where they end; `to` is the start

    static JourneyNetwork build(const NetworkIndex& network);

    std::uint32_t stationCount() const { return stopsAt.size(); }
};

// What a walk adds to a journey's cost: one for every started 250 metres.
inline std::uint32_t walkCost(std::uint32_t metres) {
    return static_cast<std::uint32_t>((std::uint64_t{metres} + 249) / 250);
}

}  // namespace busquery
