#include "gtfs/StopPatterns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <unordered_map>

#include "text/AsciiCase.h"

namespace busquery {
namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
// Patterns on each side a new pattern is compared with.
constexpr std::size_t kReferences = 4;

struct SequenceHash {
    std::size_t operator()(const std::vector<std::uint32_t>& numbers) const {
        std::size_t hash = 14695981039346656037ull;
        for (std::uint32_t n : numbers) hash = (hash ^ n) * 1099511628211ull;
        return hash;
    }
};

// How far pattern runs the stations it shares with reference in reference's order: one up for
// each step between consecutive shared stations that goes forward there, one down for each
// that goes back. positionOf is scratch space, kNone for every station, and left so.
int agreement(const std::vector<std::uint32_t>& pattern,
              const std::vector<std::uint32_t>& reference, std::vector<std::uint32_t>& positionOf) {
    for (std::size_t i = reference.size(); i-- > 0;) {
        positionOf[reference[i]] = static_cast<std::uint32_t>(i);
    }
    int score = 0;
    std::uint32_t last = kNone;
    for (std::uint32_t station : pattern) {
        const std::uint32_t at = positionOf[station];
        if (at == kNone) continue;
        if (last != kNone && at != last) score += at > last ? 1 : -1;
        last = at;
    }
    for (std::uint32_t station : reference) positionOf[station] = kNone;
    return score;
}

// The way a pattern heads, from its first station to its last, on a flat map.
struct Heading {
    double north;
    double east;
};

std::optional<Heading> heading(const std::vector<std::uint32_t>& pattern, const GtfsStops& stops) {
    const auto& from = stops.stationPositions[pattern.front()];
    const auto& to = stops.stationPositions[pattern.back()];
    if (!from || !to) return std::nullopt;
    const double cosine = std::cos(from->lat * std::numbers::pi / 180);
    return Heading{to->lat - from->lat, (to->lon - from->lon) * cosine};
}

class DirectionSplitter {
  public:
    DirectionSplitter(const std::vector<StopPattern>& patterns, const GtfsStops& stops)
        : patterns_(patterns), stops_(stops), positionOf_(stops.stationNames.size(), kNone) {}

    // Places each of the patterns on side 0 or 1, the busiest first, next to the reference
    // patterns each side already has.
    std::vector<int> split(const std::vector<std::uint32_t>& undirected,
                           std::array<std::vector<std::uint32_t>, 2>& sides) {
        std::vector<std::uint32_t> order = undirected;
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return patterns_[a].trips > patterns_[b].trips;
        });
        std::unordered_map<std::uint32_t, int> sideOf;
        for (std::uint32_t p : order) {
            const int side = sideFor(patterns_[p].stations, sides);
            sideOf[p] = side;
            if (sides[side].size() < kReferences) sides[side].push_back(p);
        }
        std::vector<int> result;
        for (std::uint32_t p : undirected) result.push_back(sideOf[p]);
        return result;
    }

    int agreementWith(std::uint32_t pattern, std::uint32_t reference) {
        return agreement(patterns_[pattern].stations, patterns_[reference].stations, positionOf_);
    }

  private:
    int sideFor(const std::vector<std::uint32_t>& stations,
                const std::array<std::vector<std::uint32_t>, 2>& sides) {
        long score = 0;
        for (int side = 0; side < 2; ++side) {
            for (std::uint32_t q : sides[side]) {
                const int a = agreement(stations, patterns_[q].stations, positionOf_);
                score += side == 0 ? a : -a;
            }
        }
        if (score == 0) {
            const int side = sides[0].empty() ? 1 : 0;
            if (sides[side].empty()) return 0;
            auto mine = heading(stations, stops_);
            auto theirs = heading(patterns_[sides[side].front()].stations, stops_);
            if (mine && theirs) {
                const double dot = mine->north * theirs->north + mine->east * theirs->east;
                score = dot < 0 ? -1 : dot > 0 ? 1 : 0;
                if (side == 1) score = -score;
            }
        }
        return score < 0 ? 1 : 0;
    }

    const std::vector<StopPattern>& patterns_;
    const GtfsStops& stops_;
    std::vector<std::uint32_t> positionOf_;
};

}  // namespace

StopPatterns StopPatterns::collect(const GtfsRoutes& routes, const GtfsTrips& trips,
                                   const TripStops& tripStops, const GtfsFrequencies& frequencies,
                                   ImportSummary& summary) {
    StopPatterns result;
    std::vector<std::uint32_t> groupOf(routes.routes.size() * 3, kNone);
    // The key of a pattern is its group followed by its stations.
    std::unordered_map<std::vector<std::uint32_t>, std::uint32_t, SequenceHash> patternOf;
    std::vector<std::uint32_t> key;
    result.patternOfTrip.assign(trips.tripIds.size(), kNoPattern);
    for (std::uint32_t trip = 0; trip < trips.tripIds.size(); ++trip) {
        const std::uint32_t route = trips.route[trip];
        const Direction direction = trips.direction[trip];
        std::uint32_t& group = groupOf[route * 3 + static_cast<std::uint32_t>(direction)];
        if (group == kNone) {
            group = static_cast<std::uint32_t>(result.groups.size());
            result.groups.push_back(PatternGroup{route, direction, {}});
        }
        key.assign(1, group);
        for (const StopVisit& visit : tripStops.visits(trip)) {
            if (key.size() == 1 || key.back() != visit.station) key.push_back(visit.station);
        }
        if (key.size() == 1) {
            summary.skip("trips.txt", "班次没有停靠记录", 0, "trip_id", trips.tripIds.id(trip));
            continue;
        }
        if (key.size() < 3) {
            summary.skip("trips.txt", "班次停靠的站点少于两个", 0, "trip_id",
                         trips.tripIds.id(trip));
            continue;
        }
        auto [it, added] =
            patternOf.try_emplace(key, static_cast<std::uint32_t>(result.patterns.size()));
        if (added) {
            result.patterns.push_back(StopPattern{{key.begin() + 1, key.end()}, 0, {}});
            result.groups[group].patterns.push_back(it->second);
        }
        StopPattern& pattern = result.patterns[it->second];
        result.patternOfTrip[trip] = it->second;
        ++pattern.trips;
        ++result.trips;
        auto frequency = frequencies.departures.find(trip);
        if (frequency != frequencies.departures.end()) {
            pattern.departures.include(frequency->second);
        } else {
            ServiceSeconds departure = tripStops.firstDeparture(trip);
            pattern.departures.include(departure, departure);
        }
    }
    return result;
}

void StopPatterns::inferDirections(const GtfsRoutes& routes, const GtfsStops& stops) {
    constexpr auto kOut = static_cast<std::size_t>(Direction::Outbound);
    constexpr auto kIn = static_cast<std::size_t>(Direction::Inbound);
    constexpr auto kUndirected = static_cast<std::size_t>(Direction::None);
    std::vector<std::array<std::uint32_t, 3>> groupOf(routes.routes.size(), {kNone, kNone, kNone});
    for (std::uint32_t g = 0; g < groups.size(); ++g) {
        groupOf[groups[g].route][static_cast<std::size_t>(groups[g].direction)] = g;
    }
    auto busiest = [&](std::uint32_t group, std::size_t count) {
        std::vector<std::uint32_t> order = groups[group].patterns;
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return patterns[a].trips > patterns[b].trips;
        });
        order.resize(std::min(order.size(), count));
        return order;
    };

    // The outbound main pattern of the first route of each name.
    std::unordered_map<std::string, std::uint32_t> outboundOfName;
    for (std::uint32_t r = 0; r < routes.routes.size(); ++r) {
        if (groupOf[r][kOut] != kNone && !groups[groupOf[r][kOut]].patterns.empty()) {
            outboundOfName.try_emplace(asciiLower(routes.routes[r].name),
                                       busiest(groupOf[r][kOut], 1).front());
        }
    }

    DirectionSplitter splitter(patterns, stops);
    for (std::uint32_t r = 0; r < routes.routes.size(); ++r) {
        const std::uint32_t undirected = groupOf[r][kUndirected];
        if (undirected == kNone) continue;
        std::array<std::vector<std::uint32_t>, 2> sides;
        const bool fed = groupOf[r][kOut] != kNone || groupOf[r][kIn] != kNone;
        for (std::size_t side : {kOut, kIn}) {
            if (groupOf[r][side] != kNone) sides[side] = busiest(groupOf[r][side], kReferences);
        }
        const std::vector<std::uint32_t> own = std::move(groups[undirected].patterns);
        groups[undirected].patterns.clear();
        std::vector<int> sideOf = splitter.split(own, sides);
        if (!fed && sides[1].empty()) {
            // A route that runs one way only (a loop, a one-way service) has no way back to tell
            // apart, and its lines keep names without a direction word.
            groups[undirected].patterns = own;
            continue;
        }
        if (!fed) {
            const std::string name = asciiLower(routes.routes[r].name);
            auto reference = outboundOfName.find(name);
            if (reference != outboundOfName.end()) {
                int forward = splitter.agreementWith(sides[0].front(), reference->second);
                if (forward == 0) {
                    forward = -splitter.agreementWith(sides[1].front(), reference->second);
                }
                if (forward < 0) {
                    for (int& side : sideOf) side = 1 - side;
                }
            } else {
                outboundOfName.emplace(name, sides[0].front());
            }
        }
        for (std::size_t i = 0; i < own.size(); ++i) {
            const std::size_t side = sideOf[i] == 0 ? kOut : kIn;
            if (groupOf[r][side] == kNone) {
                groupOf[r][side] = static_cast<std::uint32_t>(groups.size());
                groups.push_back(PatternGroup{r, static_cast<Direction>(side), {}});
            }
            groups[groupOf[r][side]].patterns.push_back(own[i]);
        }
    }
}

}  // namespace busquery
