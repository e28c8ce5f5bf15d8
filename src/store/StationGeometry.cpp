#include "store/StationGeometry.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace busquery {
namespace {

constexpr double kMetresPerDegree = kEarthRadiusMetres * std::numbers::pi / 180;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

}  // namespace

double greatCircleMetres(GeoPoint a, GeoPoint b) {
    const double dLat = radians(b.lat - a.lat);
    const double dLon = radians(b.lon - a.lon);
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(radians(a.lat)) * std::cos(radians(b.lat)) * std::sin(dLon / 2) *
                         std::sin(dLon / 2);
    return 2 * kEarthRadiusMetres * std::asin(std::min(1.0, std::sqrt(h)));
}

std::int64_t walkMetres(GeoPoint a, GeoPoint b) {
    return std::llround(greatCircleMetres(a, b) * 1.3);
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> pairsWithin(std::span<const GeoPoint> points,
                                                                 double metres) {
    // A band is metres high, so a pair lies in one band or in two neighbouring ones.
    const double bandDegrees = metres / kMetresPerDegree;
    std::map<std::int64_t, std::vector<std::uint32_t>> bands;
    for (std::uint32_t i = 0; i < points.size(); ++i) {
        bands[static_cast<std::int64_t>(std::floor(points[i].lat / bandDegrees))].push_back(i);
    }
    auto byLon = [&](std::uint32_t a, std::uint32_t b) { return points[a].lon < points[b].lon; };
    for (auto& [band, members] : bands) std::sort(members.begin(), members.end(), byLon);

    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
    auto take = [&](std::uint32_t a, std::uint32_t b) {
        if (greatCircleMetres(points[a], points[b]) <= metres) {
            pairs.emplace_back(std::min(a, b), std::max(a, b));
        }
    };
    for (const auto& [band, members] : bands) {
        auto next = bands.find(band + 1);
        // Degrees of longitude that metres span on the band's side nearer the pole, with room
        // to spare; near a pole every longitude is near.
        const double poleward = std::min(
            90.0, std::max(std::abs(band * bandDegrees), std::abs((band + 2) * bandDegrees)));
        const double cosine = std::cos(radians(poleward));
        const double lonDegrees = cosine < 1e-6 ? 360 : 1.01 * bandDegrees / cosine;
        for (std::size_t k = 0; k < members.size(); ++k) {
            const std::uint32_t a = members[k];
            for (std::size_t m = k + 1;
                 m < members.size() && points[members[m]].lon - points[a].lon <= lonDegrees; ++m) {
                take(a, members[m]);
            }
            if (next == bands.end()) continue;
            const std::vector<std::uint32_t>& above = next->second;
            auto first =
                std::lower_bound(above.begin(), above.end(), points[a].lon - lonDegrees,
                                 [&](std::uint32_t b, double lon) { return points[b].lon < lon; });
            for (auto it = first;
                 it != above.end() && points[*it].lon - points[a].lon <= lonDegrees; ++it) {
                take(a, *it);
            }
        }
    }
    return pairs;
}

}  // namespace busquery
