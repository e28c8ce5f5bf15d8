#include "gtfs/GtfsNetwork.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "gtfs/DepartureRange.h"
#include "text/AsciiCase.h"
#include "text/NaturalOrder.h"

namespace busquery {
namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

struct Pattern {
    std::vector<std::uint32_t> stations;
    std::uint32_t trips = 0;
    DepartureRange departures;
};

// The trips of one route in one direction.
struct Group {
    std::uint32_t route;
    Direction direction;
    std::vector<std::uint32_t> patterns;  // in the order first met
};

struct PlannedLine {
    std::uint32_t group;
    std::uint32_t pattern;
    std::uint32_t branch;  // 0 for the route's main line in its direction
    DepartureRange departures;
};

struct SequenceHash {
    std::size_t operator()(const std::vector<std::uint32_t>& numbers) const {
        std::size_t hash = 14695981039346656037ull;
        for (std::uint32_t n : numbers) hash = (hash ^ n) * 1099511628211ull;
        return hash;
    }
};

struct Patterns {
    std::vector<Group> groups;
    std::vector<Pattern> patterns;
    std::uint64_t trips = 0;
};

// Every trip's stations, a station repeated at once counted once, grouped by route and
// direction into distinct patterns with their trip counts and departures.
Patterns collectPatterns(const GtfsRoutes& routes, const GtfsTrips& trips,
                         const TripStops& tripStops, const GtfsFrequencies& frequencies,
                         ImportSummary& summary) {
    Patterns result;
    std::vector<std::uint32_t> groupOf(routes.routes.size() * 3, kNone);
    // The key of a pattern is its group followed by its stations.
    std::unordered_map<std::vector<std::uint32_t>, std::uint32_t, SequenceHash> patternOf;
    std::vector<std::uint32_t> key;
    for (std::uint32_t trip = 0; trip < trips.tripIds.size(); ++trip) {
        const std::uint32_t route = trips.route[trip];
        const Direction direction = trips.direction[trip];
        std::uint32_t& group = groupOf[route * 3 + static_cast<std::uint32_t>(direction)];
        if (group == kNone) {
            group = static_cast<std::uint32_t>(result.groups.size());
            result.groups.push_back(Group{route, direction, {}});
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
            result.patterns.push_back(Pattern{{key.begin() + 1, key.end()}, 0, {}});
            result.groups[group].patterns.push_back(it->second);
        }
        Pattern& pattern = result.patterns[it->second];
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

// The lines of one group: its main pattern, then each pattern that reaches a station the lines
// before it miss. The departures of the other patterns go to the first of these lines that
// starts where they start.
std::vector<PlannedLine> planGroup(std::uint32_t groupNumber, const Group& group,
                                   const std::vector<Pattern>& patterns,
                                   std::vector<std::uint32_t>& coveredStamp) {
    std::vector<std::uint32_t> order = group.patterns;
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return patterns[a].trips > patterns[b].trips;
    });
    std::vector<PlannedLine> lines;
    std::vector<std::uint32_t> folded;
    for (std::uint32_t p : order) {
        const Pattern& pattern = patterns[p];
        bool reachesNew =
            std::any_of(pattern.stations.begin(), pattern.stations.end(),
                        [&](std::uint32_t s) { return coveredStamp[s] != groupNumber; });
        if (!reachesNew) {
            folded.push_back(p);
            continue;
        }
        for (std::uint32_t s : pattern.stations) coveredStamp[s] = groupNumber;
        lines.push_back(PlannedLine{groupNumber, p, static_cast<std::uint32_t>(lines.size()),
                                    pattern.departures});
    }
    for (std::uint32_t p : folded) {
        auto line = std::find_if(lines.begin(), lines.end(), [&](const PlannedLine& l) {
            return patterns[l.pattern].stations.front() == patterns[p].stations.front();
        });
        if (line != lines.end()) line->departures.include(patterns[p].departures);
    }
    return lines;
}

bool groupBefore(const Group& a, const Group& b, const GtfsRoutes& routes) {
    const GtfsRoute& routeA = routes.routes[a.route];
    const GtfsRoute& routeB = routes.routes[b.route];
    if (routeA.sortOrder.has_value() != routeB.sortOrder.has_value()) {
        return routeA.sortOrder.has_value();
    }
    if (routeA.sortOrder != routeB.sortOrder) return *routeA.sortOrder < *routeB.sortOrder;
    if (int order = naturalCompare(routeA.name, routeB.name); order != 0) return order < 0;
    if (a.route != b.route) return a.route < b.route;
    return a.direction < b.direction;
}

std::string_view directionWord(Direction direction) {
    switch (direction) {
        case Direction::Outbound:
            return "上行";
        case Direction::Inbound:
            return "下行";
        case Direction::None:
            break;
    }
    return "";
}

// The line's name, unique ignoring ASCII case among the names already taken.
std::string uniqueName(const GtfsRoute& route, Direction direction, std::uint32_t branch,
                       std::unordered_set<std::string>& taken) {
    std::string stem = route.name;
    if (branch > 0) stem += "支线" + (branch > 1 ? std::to_string(branch) : std::string());
    std::string name = stem + std::string(directionWord(direction));
    for (int copy = 2; !taken.insert(asciiLower(name)).second; ++copy) {
        name = stem + "(" + std::to_string(copy) + ")" + std::string(directionWord(direction));
    }
    return name;
}

std::string serviceTimes(const DepartureRange& departures) {
    if (!departures.known()) return {};
    return "(" + clockText(departures.first) + "-" + clockText(departures.last) + ")";
}

// Whether the stations run from `from` to `to`, boarding at the first visit of `from` and
// leaving at the last visit of `to`.
bool ridesInOrder(const std::vector<std::uint32_t>& stations, std::uint32_t from,
                  std::uint32_t to) {
    auto board = std::find(stations.begin(), stations.end(), from);
    auto leave = std::find(stations.rbegin(), stations.rend(), to);
    return board != stations.end() && leave != stations.rend() && board < leave.base() - 1;
}

std::string joinDescriptions(const std::vector<std::string>& descriptions, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < descriptions.size(); ++i) {
        if (!text.empty()) text += "、";
        text += descriptions[i];
    }
    return text;
}

}  // namespace

GtfsNetwork GtfsNetwork::build(const GtfsStops& stops, const GtfsRoutes& routes,
                               const GtfsTrips& trips, const TripStops& tripStops,
                               const GtfsFrequencies& frequencies, std::string_view citycode,
                               ImportSummary& summary) {
    Patterns collected = collectPatterns(routes, trips, tripStops, frequencies, summary);

    std::vector<std::uint32_t> groupOrder(collected.groups.size());
    for (std::uint32_t g = 0; g < groupOrder.size(); ++g) groupOrder[g] = g;
    std::stable_sort(groupOrder.begin(), groupOrder.end(), [&](std::uint32_t a, std::uint32_t b) {
        return groupBefore(collected.groups[a], collected.groups[b], routes);
    });

    GtfsNetwork network;
    network.trips = collected.trips;
    std::vector<std::uint32_t> coveredStamp(stops.stationNames.size(), kNone);
    std::vector<PlannedLine> planned;
    for (std::uint32_t g : groupOrder) {
        std::vector<PlannedLine> lines =
            planGroup(g, collected.groups[g], collected.patterns, coveredStamp);
        planned.insert(planned.end(), lines.begin(), lines.end());
    }

    std::unordered_set<std::string> takenNames;
    std::unordered_set<std::string> listedIds;
    std::vector<bool> routeHasLine(routes.routes.size(), false);
    std::vector<std::uint32_t> stationRow(stops.stationNames.size(), kNone);
    std::vector<std::uint32_t> lastLineAt(stops.stationNames.size(), kNone);
    for (std::uint32_t i = 0; i < planned.size(); ++i) {
        const PlannedLine& plan = planned[i];
        const Group& group = collected.groups[plan.group];
        const GtfsRoute& route = routes.routes[group.route];

        LineRow line;
        line.lnid = i + 1;
        line.citycode = std::string(citycode);
        line.lnna = uniqueName(route, group.direction, plan.branch, takenNames);
        line.fltime = serviceTimes(plan.departures);
        for (std::uint32_t s : collected.patterns[plan.pattern].stations) {
            line.passstna += stops.stationNames[s] + ";";
            if (lastLineAt[s] == i) continue;
            lastLineAt[s] = i;
            if (stationRow[s] == kNone) {
                stationRow[s] = static_cast<std::uint32_t>(network.stations.size());
                const auto& descriptions = stops.stationDescriptions[s];
                network.stations.push_back(
                    StationRow{stops.stationNames[s],
                               descriptions.empty() ? std::string() : descriptions[0],
                               joinDescriptions(descriptions, 1),
                               {}});
            }
            network.stations[stationRow[s]].passlnna += line.lnna + ";";
        }

        if (plan.branch > 0) ++network.branchLines;
        if (!routeHasLine[group.route]) {
            routeHasLine[group.route] = true;
            ++network.routes;
        }
        if (listedIds.insert(asciiLower(route.listName)).second) {
            network.lineIds.push_back(route.listName);
        }
        network.lines.push_back(std::move(line));
    }

    // Every trip is checked against the lines written for its route: a traveller boards at the
    // trip's first station and rides, in order, to its last.
    std::vector<std::vector<std::uint32_t>> linesOfRoute(routes.routes.size());
    for (std::uint32_t i = 0; i < planned.size(); ++i) {
        linesOfRoute[collected.groups[planned[i].group].route].push_back(planned[i].pattern);
    }
    for (const Group& group : collected.groups) {
        for (std::uint32_t p : group.patterns) {
            const Pattern& pattern = collected.patterns[p];
            const auto& lines = linesOfRoute[group.route];
            if (std::any_of(lines.begin(), lines.end(), [&](std::uint32_t line) {
                    return ridesInOrder(collected.patterns[line].stations, pattern.stations.front(),
                                        pattern.stations.back());
                })) {
                network.tripsInOrder += pattern.trips;
            }
        }
    }

    for (std::uint32_t s = 0; s < stops.stationNames.size(); ++s) {
        if (stationRow[s] == kNone) {
            summary.skip("stops.txt", "没有线路经过的站点，未导入", 0, "stop_name",
                         stops.stationNames[s]);
        }
    }
    return network;
}

}  // namespace busquery
