#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "store/StationGeometry.h"

namespace busquery {

// For every point, the nearest others within a radius, at most a given number of them.
struct NearestStations {
    // neighbours[begin[i]] to neighbours[begin[i + 1]]: those of point i, nearest first.
    std::vector<std::uint32_t> begin;
    std::vector<std::uint32_t> neighbours;
    // For every point, how many others lie within the radius.
    std::vector<std::uint32_t> withinRadius;

    // A k-d tree over the points on the sphere keeps the work near linear in the points, even
    // when thousands of them lie at one spot: points within the radius are counted a whole
    // subtree at a time, and the search for the nearest stops once it has enough at distance
    // zero. Of others at the same distance, the tree's order decides, the same on every run.
    static NearestStations find(std::span<const GeoPoint> points, double metres,
                                std::uint32_t most);
};

}  // namespace busquery
