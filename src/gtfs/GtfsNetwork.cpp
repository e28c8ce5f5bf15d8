#include "gtfs/GtfsNetwork.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "gtfs/DepartureRange.h"
#include "gtfs/StationNames.h"
#include "gtfs/StationWalks.h"
#include "gtfs/StopPatterns.h"
#include "text/AsciiCase.h"
#include "text/NaturalOrder.h"

namespace busquery {
namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

struct PlannedLine {
    std::uint32_t group;
    std::uint32_t pattern;
    std::uint32_t branch;  // 0 for the route's main line in its direction
    DepartureRange departures;
    std::uint64_t trips = 0;  // its pattern's and those of the runs it takes in
};

// The lines of one group: its main pattern, then each pattern that reaches a station the lines
// before it miss. The departures of the other patterns go to the first of these lines that
// starts where they start.
std::vector<PlannedLine> planGroup(std::uint32_t groupNumber, const PatternGroup& group,
                                   const std::vector<StopPattern>& patterns,
                                   std::vector<std::uint32_t>& coveredStamp) {
    std::vector<std::uint32_t> order = group.patterns;
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return patterns[a].trips > patterns[b].trips;
    });
    std::vector<PlannedLine> lines;
    std::vector<std::uint32_t> folded;
    for (std::uint32_t p : order) {
        const StopPattern& pattern = patterns[p];
        bool reachesNew =
            std::any_of(pattern.stations.begin(), pattern.stations.end(),
                        [&](std::uint32_t s) { return coveredStamp[s] != groupNumber; });
        if (!reachesNew) {
            folded.push_back(p);
            continue;
        }
        for (std::uint32_t s : pattern.stations) coveredStamp[s] = groupNumber;
        lines.push_back(PlannedLine{groupNumber, p, static_cast<std::uint32_t>(lines.size()),
                                    pattern.departures, pattern.trips});
    }
    for (std::uint32_t p : folded) {
        auto line = std::find_if(lines.begin(), lines.end(), [&](const PlannedLine& l) {
            return patterns[l.pattern].stations.front() == patterns[p].stations.front();
        });
        if (line != lines.end()) {
            line->departures.include(patterns[p].departures);
            line->trips += patterns[p].trips;
        }
    }
    return lines;
}

bool groupBefore(const PatternGroup& a, const PatternGroup& b, const GtfsRoutes& routes) {
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

// First and last departure as (05:30-23:45); a last departure in the night after the service
// day reads 次日 (05:30-次日00:40), so it is not taken for one before the first.
std::string serviceTimes(const DepartureRange& departures) {
    if (!departures.known()) return {};
    constexpr ServiceSeconds kDay = 24 * 3600;
    const bool nextDay = departures.last / kDay > departures.first / kDay;
    return "(" + clockText(departures.first) + "-" + (nextDay ? "次日" : "") +
           clockText(departures.last) + ")";
}

std::string joinDescriptions(const std::vector<std::string>& descriptions, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < descriptions.size(); ++i) {
        if (!text.empty()) text += "、";
        text += descriptions[i];
    }
    return text;
}

// Whether the stations run from `from` to `to`, boarding at the first visit of `from` and
// leaving at the last visit of `to`.
bool ridesInOrder(const std::vector<std::uint32_t>& stations, std::uint32_t from,
                  std::uint32_t to) {
    auto board = std::find(stations.begin(), stations.end(), from);
    auto leave = std::find(stations.rbegin(), stations.rend(), to);
    return board != stations.end() && leave != stations.rend() && board < leave.base() - 1;
}

// Lines of one name and mode with the very same stations, each taken by the first of them.
// Returns for every planned line the one it became part of (itself for the first).
std::vector<std::uint32_t> mergeRepeatedLines(std::vector<PlannedLine>& planned,
                                              const StopPatterns& collected,
                                              const GtfsRoutes& routes) {
    std::unordered_map<std::string, std::uint32_t> firstOf;
    std::vector<std::uint32_t> mergedInto(planned.size());
    for (std::uint32_t i = 0; i < planned.size(); ++i) {
        const GtfsRoute& route = routes.routes[collected.groups[planned[i].group].route];
        const std::vector<std::uint32_t>& stations =
            collected.patterns[planned[i].pattern].stations;
        std::string key = asciiLower(route.name);
        key += '\0';
        key += static_cast<char>(route.mode);
        key.append(reinterpret_cast<const char*>(stations.data()),
                   stations.size() * sizeof(std::uint32_t));
        auto [it, added] = firstOf.try_emplace(std::move(key), i);
        mergedInto[i] = it->second;
        if (!added) {
            PlannedLine& first = planned[it->second];
            first.departures.include(planned[i].departures);
            first.trips += planned[i].trips;
        }
    }
    return mergedInto;
}

}  // namespace

GtfsNetwork GtfsNetwork::build(const GtfsStops& stops, const GtfsRoutes& routes,
                               const GtfsTrips& trips, const TripStops& tripStops,
                               const GtfsFrequencies& frequencies, const GtfsTransfers& transfers,
                               std::string_view citycode, ImportSummary& summary) {
    StopPatterns collected = StopPatterns::collect(routes, trips, tripStops, frequencies, summary);
    collected.inferDirections(routes, stops);

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
    const std::vector<std::uint32_t> mergedInto = mergeRepeatedLines(planned, collected, routes);

    // The lines, in lnid order, as planned lines and station numbers.
    std::vector<std::uint32_t> lineOfPlanned(planned.size(), kNone);
    std::vector<std::uint32_t> plannedOfLine;
    std::unordered_set<std::string> takenNames;
    std::unordered_set<std::string> listedIds;
    std::vector<bool> routeHasLine(routes.routes.size(), false);
    for (std::uint32_t i = 0; i < planned.size(); ++i) {
        const PlannedLine& plan = planned[i];
        const PatternGroup& group = collected.groups[plan.group];
        const GtfsRoute& route = routes.routes[group.route];
        if (!routeHasLine[group.route]) {
            routeHasLine[group.route] = true;
            ++network.routes;
        }
        if (mergedInto[i] != i) {
            lineOfPlanned[i] = lineOfPlanned[mergedInto[i]];
            ++network.mergedLines;
            continue;
        }
        lineOfPlanned[i] = static_cast<std::uint32_t>(network.lines.size());
        plannedOfLine.push_back(i);
        LineRow line;
        line.lnid = static_cast<std::int64_t>(network.lines.size()) + 1;
        line.citycode = std::string(citycode);
        line.lnna = uniqueName(route, group.direction, plan.branch, takenNames);
        line.fltime = serviceTimes(plan.departures);
        if (plan.branch > 0) ++network.branchLines;
        if (listedIds.insert(asciiLower(route.listName)).second) {
            network.lineIds.push_back(route.listName);
        }
        network.lines.push_back(std::move(line));
    }
    std::vector<std::uint32_t> lineOfPattern(collected.patterns.size(), kNone);
    for (std::uint32_t i = 0; i < planned.size(); ++i) {
        lineOfPattern[planned[i].pattern] = lineOfPlanned[i];
    }
    network.lineOfTrip.assign(collected.patternOfTrip.size(), kNone);
    for (std::uint32_t trip = 0; trip < collected.patternOfTrip.size(); ++trip) {
        const std::uint32_t p = collected.patternOfTrip[trip];
        if (p != StopPatterns::kNoPattern) network.lineOfTrip[trip] = lineOfPattern[p];
    }
    auto stationsOfLine = [&](std::uint32_t line) -> const std::vector<std::uint32_t>& {
        return collected.patterns[planned[plannedOfLine[line]].pattern].stations;
    };

    // Stations in the order they first appear on the lines, with what names them apart.
    std::vector<std::uint32_t> stationRow(stops.stationNames.size(), kNone);
    std::vector<std::uint32_t> rowStation;
    std::vector<std::vector<std::uint32_t>> linesAt;  // by row, in lnid order
    for (std::uint32_t line = 0; line < network.lines.size(); ++line) {
        for (std::uint32_t s : stationsOfLine(line)) {
            if (stationRow[s] == kNone) {
                stationRow[s] = static_cast<std::uint32_t>(rowStation.size());
                rowStation.push_back(s);
                linesAt.emplace_back();
            }
            std::vector<std::uint32_t>& lines = linesAt[stationRow[s]];
            if (lines.empty() || lines.back() != line) lines.push_back(line);
        }
    }
    std::vector<StationFacts> facts;
    for (std::uint32_t row = 0; row < rowStation.size(); ++row) {
        const std::uint32_t s = rowStation[row];
        const std::vector<std::uint32_t>& lines = linesAt[row];
        std::uint32_t busiest = lines.front();
        for (std::uint32_t line : lines) {
            if (planned[plannedOfLine[line]].trips > planned[plannedOfLine[busiest]].trips) {
                busiest = line;
            }
        }
        const std::vector<std::uint32_t>& way = stationsOfLine(busiest);
        const std::uint32_t terminus = way.back() != s ? way.back() : way.front();
        const auto& descriptions = stops.stationDescriptions[s];
        facts.push_back(StationFacts{
            stops.stationNames[s], descriptions.empty() ? std::string() : descriptions[0],
            stops.stationZones[s], static_cast<std::uint32_t>(lines.size()),
            terminus != s ? stops.stationNames[terminus] : std::string()});
    }
    const std::vector<std::string> names = nameStationsApart(facts, network.namesSplit);
    network.stationRow = stationRow;

    for (std::uint32_t line = 0; line < network.lines.size(); ++line) {
        for (std::uint32_t s : stationsOfLine(line)) {
            network.lines[line].passstna += names[stationRow[s]] + ";";
        }
    }
    std::vector<std::optional<GeoPoint>> positions;
    for (std::uint32_t row = 0; row < rowStation.size(); ++row) {
        const std::uint32_t s = rowStation[row];
        const auto& descriptions = stops.stationDescriptions[s];
        StationRow station{names[row],
                           descriptions.empty() ? std::string() : descriptions[0],
                           joinDescriptions(descriptions, 1),
                           {}};
        for (std::uint32_t line : linesAt[row]) station.passlnna += network.lines[line].lnna + ";";
        network.stations.push_back(std::move(station));
        positions.push_back(stops.stationPositions[s]);
        if (positions.back()) {
            network.positions.push_back(
                PositionRow{names[row], positions.back()->lat, positions.back()->lon});
        }
    }

    std::vector<RowTransfer> rowTransfers;
    for (const StationTransfer& transfer : transfers.transfers) {
        if (stationRow[transfer.from] == kNone || stationRow[transfer.to] == kNone) {
            summary.skip("transfers.txt", "换乘的站点没有线路经过", 0, "stop_name",
                         stops.stationNames[stationRow[transfer.from] == kNone ? transfer.from
                                                                               : transfer.to]);
            continue;
        }
        rowTransfers.push_back(
            RowTransfer{stationRow[transfer.from], stationRow[transfer.to], transfer.metres});
    }
    network.walks = stationWalks(network.stations, positions, rowTransfers, summary);

    // Every trip is checked against the lines written for its route: a traveller boards at the
    // trip's first station and rides, in order, to its last.
    std::vector<std::vector<std::uint32_t>> linesOfRoute(routes.routes.size());
    for (std::uint32_t i = 0; i < planned.size(); ++i) {
        linesOfRoute[collected.groups[planned[i].group].route].push_back(lineOfPlanned[i]);
    }
    for (const PatternGroup& group : collected.groups) {
        const auto& lines = linesOfRoute[group.route];
        for (std::uint32_t p : group.patterns) {
            const StopPattern& pattern = collected.patterns[p];
            if (std::any_of(lines.begin(), lines.end(), [&](std::uint32_t line) {
                    return ridesInOrder(stationsOfLine(line), pattern.stations.front(),
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
