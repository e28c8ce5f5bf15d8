#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace busquery {

// A position in WGS84 degrees.
struct GeoPoint {
    double lat = 0;
    double lon = 0;
};

// The radius of the sphere distances are measured on: the earth's mean radius.
inline constexpr double kEarthRadiusMetres = 6371008.8;

// Stations whose positions lie this close are a walk apart.
inline constexpr double kWalkRadiusMetres = 400;

// The great-circle distance on a sphere of the earth's mean radius.
double greatCircleMetres(GeoPoint a, GeoPoint b);

// What a traveller walks between two stations: streets are not straight, so the great-circle
// distance times 1.3, rounded to the metre.
std::int64_t walkMetres(GeoPoint a, GeoPoint b);

// Every pair (i, j), i < j, of points no farther apart than metres, in no particular order.
// Points are put in bands of latitude and sorted by longitude within each, so only
// neighbours are ever compared. A pair across the 180th meridian is not found.
std::vector<std::pair<std::uint32_t, std::uint32_t>> pairsWithin(std::span<const GeoPoint> points,
                                                                 double metres);

}  // namespace busquery
