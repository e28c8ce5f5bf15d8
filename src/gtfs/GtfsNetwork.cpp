#include "gtfs/GtfsNetwork.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "gtfs/DepartureRange.h"
#include "gtfs/StationNames.h"
#include "gtfs/StationWalks.h"
#include "gtfs/StopPatterns.h"
#include "gtfs/TransitMode.h"
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

// Whether the line's stations hold the run's, in the same order.
bool servesInOrder(const std::vector<std::uint32_t>& line, const std::vector<std::uint32_t>& run) {
    auto at = line.begin();
    for (const std::uint32_t station : run) {
        at = std::find(at, line.end(), station);
        if (at == line.end()) return false;
        ++at;
    }
    return true;
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

std::string branchWord(std::uint32_t branch) {
    if (branch == 0) return {};
    return "支线" + (branch > 1 ? std::to_string(branch) : std::string());
}

// Whether two lines are variants of one another: at least half of the shorter one's stations
// are on the longer one too.
bool areVariants(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    const auto& shorter = a.size() <= b.size() ? a : b;
    const auto& longer = a.size() <= b.size() ? b : a;
    const auto shared = std::count_if(shorter.begin(), shorter.end(), [&](std::uint32_t s) {
        return std::find(longer.begin(), longer.end(), s) != longer.end();
    });
    return 2 * static_cast<std::size_t>(shared) >= shorter.size();
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

// Builds the network phase by phase; each phase reads what the ones before it left in the
// members and writes its own counts into the summary.
class NetworkBuilder {
  public:
    NetworkBuilder(const GtfsTables& feed, std::string_view citycode, ImportSummary& summary)
        : feed_(feed), citycode_(citycode), summary_(summary) {}

    GtfsNetwork build() {
        collectPatterns();
        planLines();
        writeLines();
        assignTrips();
        placeStations();
        nameStations();
        writeStations();
        joinWalks();
        countTripsInOrder();
        reportUnservedStops();
        network_.stationRow = std::move(stationRow_);
        return std::move(network_);
    }

  private:
    const std::vector<std::uint32_t>& stationsOfLine(std::uint32_t line) const {
        return collected_.patterns[planned_[plannedOfLine_[line]].pattern].stations;
    }

    void collectPatterns() {
        collected_ = StopPatterns::collect(feed_.routes, feed_.trips, feed_.tripStops,
                                           feed_.frequencies, summary_);
        collected_.inferDirections(feed_.routes, feed_.stops);
        summary_.trips = collected_.trips;
    }

    // Every group's lines in lnid order, and for each the line it became part of.
    void planLines() {
        std::vector<std::uint32_t> groupOrder(collected_.groups.size());
        for (std::uint32_t g = 0; g < groupOrder.size(); ++g) groupOrder[g] = g;
        std::stable_sort(
            groupOrder.begin(), groupOrder.end(), [&](std::uint32_t a, std::uint32_t b) {
                return groupBefore(collected_.groups[a], collected_.groups[b], feed_.routes);
            });
        std::vector<std::uint32_t> coveredStamp(feed_.stops.stationNames.size(), kNone);
        for (std::uint32_t g : groupOrder) {
            std::vector<PlannedLine> lines =
                planGroup(g, collected_.groups[g], collected_.patterns, coveredStamp);
            planned_.insert(planned_.end(), lines.begin(), lines.end());
        }
        mergedInto_ = mergeRepeatedLines(planned_, collected_, feed_.routes);
    }

    // The line rows, named, without their stations yet, and the line list.
    void writeLines() {
        lineOfPlanned_.assign(planned_.size(), kNone);
        stemOfRoute_.resize(feed_.routes.routes.size());
        std::unordered_map<std::string, std::uint32_t> takenNames;  // by the planned line
        std::unordered_set<std::string> listedIds;
        std::vector<bool> routeHasLine(feed_.routes.routes.size(), false);
        std::uint64_t routes = 0;
        std::uint64_t branchLines = 0;
        std::uint64_t mergedLines = 0;
        for (std::uint32_t i = 0; i < planned_.size(); ++i) {
            const PlannedLine& plan = planned_[i];
            const PatternGroup& group = collected_.groups[plan.group];
            const GtfsRoute& route = feed_.routes.routes[group.route];
            if (!routeHasLine[group.route]) {
                routeHasLine[group.route] = true;
                ++routes;
            }
            if (mergedInto_[i] != i) {
                lineOfPlanned_[i] = lineOfPlanned_[mergedInto_[i]];
                ++mergedLines;
                continue;
            }
            lineOfPlanned_[i] = static_cast<std::uint32_t>(network_.lines.size());
            plannedOfLine_.push_back(i);
            LineRow line;
            line.lnid = static_cast<std::int64_t>(network_.lines.size()) + 1;
            line.citycode = std::string(citycode_);
            bool branch = false;
            line.lnna = lineName(i, takenNames, branch);
            line.fltime = serviceTimes(plan.departures);
            if (branch) ++branchLines;
            if (listedIds.insert(asciiLower(route.listName)).second) {
                network_.lineIds.push_back(route.listName);
            }
            network_.lines.push_back(std::move(line));
        }
        summary_.routes = routes;
        summary_.lines = network_.lines.size();
        summary_.branchLines = branchLines;
        summary_.mergedLines = mergedLines;
    }

    // The planned line's name, unique ignoring ASCII case among the names already taken. A name
    // another route holds goes to the variant as a branch when the two share their stations,
    // else the route's long name tells it apart; only when neither does, a number. A route
    // told apart by its long name or a number keeps it for all its lines.
    std::string lineName(std::uint32_t i, std::unordered_map<std::string, std::uint32_t>& taken,
                         bool& branch) {
        const PlannedLine& plan = planned_[i];
        const PatternGroup& group = collected_.groups[plan.group];
        const GtfsRoute& route = feed_.routes.routes[group.route];
        std::string& stem = stemOfRoute_[group.route];
        if (stem.empty()) stem = route.name;
        const std::string direction(directionWord(group.direction));
        auto take = [&](const std::string& name) {
            return taken.try_emplace(asciiLower(name), i).second;
        };
        branch = plan.branch > 0;
        std::string name = stem + branchWord(plan.branch) + direction;
        auto holder = taken.find(asciiLower(name));
        if (holder == taken.end()) {
            take(name);
            return name;
        }
        const std::vector<std::uint32_t>& stations = collected_.patterns[plan.pattern].stations;
        if (areVariants(stations, collected_.patterns[planned_[holder->second].pattern].stations)) {
            branch = true;
            for (std::uint32_t number = plan.branch + 1;; ++number) {
                name = stem + branchWord(number) + direction;
                if (take(name)) return name;
            }
        }
        if (!route.longName.empty() && !equalsIgnoreAsciiCase(route.longName, route.listName)) {
            const std::string named = stem + "（" + route.longName + "）";
            name = named + branchWord(plan.branch) + direction;
            if (take(name)) {
                stem = named;
                return name;
            }
        }
        const std::string unnumbered = stem;
        for (int copy = 2;; ++copy) {
            stem = unnumbered + "(" + std::to_string(copy) + ")";
            name = stem + branchWord(plan.branch) + direction;
            if (take(name)) break;
        }
        summary_.numberedLines.push_back(name);
        return name;
    }

    // Each trip's line: the one its stop pattern became, or the line that pattern merged into.
    void assignTrips() {
        std::vector<std::uint32_t> lineOfPattern(collected_.patterns.size(), kNone);
        for (std::uint32_t i = 0; i < planned_.size(); ++i) {
            lineOfPattern[planned_[i].pattern] = lineOfPlanned_[i];
        }
        // A short or skip-stop run rides the first line of its route and direction (the main
        // one before its branches) that serves its stations in its order.
        std::vector<std::uint32_t> plannedOfGroup(collected_.groups.size() + 1, 0);
        for (const PlannedLine& plan : planned_) ++plannedOfGroup[plan.group + 1];
        for (std::size_t g = 0; g + 1 < plannedOfGroup.size(); ++g) {
            plannedOfGroup[g + 1] += plannedOfGroup[g];
        }
        std::vector<std::uint32_t> plannedByGroup(planned_.size());
        std::vector<std::uint32_t> next(plannedOfGroup.begin(), plannedOfGroup.end() - 1);
        for (std::uint32_t i = 0; i < planned_.size(); ++i) {
            plannedByGroup[next[planned_[i].group]++] = i;
        }
        for (std::uint32_t g = 0; g < collected_.groups.size(); ++g) {
            for (const std::uint32_t p : collected_.groups[g].patterns) {
                if (lineOfPattern[p] != kNone) continue;
                for (std::uint32_t k = plannedOfGroup[g]; k < plannedOfGroup[g + 1]; ++k) {
                    const std::uint32_t i = plannedByGroup[k];
                    if (servesInOrder(collected_.patterns[planned_[i].pattern].stations,
                                      collected_.patterns[p].stations)) {
                        lineOfPattern[p] = lineOfPlanned_[i];
                        break;
                    }
                }
            }
        }
        network_.lineOfTrip.assign(collected_.patternOfTrip.size(), kNone);
        for (std::uint32_t trip = 0; trip < collected_.patternOfTrip.size(); ++trip) {
            const std::uint32_t p = collected_.patternOfTrip[trip];
            if (p != StopPatterns::kNoPattern) network_.lineOfTrip[trip] = lineOfPattern[p];
        }
    }

    // Station rows in the order the stations first appear on the lines, with the lines at each.
    void placeStations() {
        stationRow_.assign(feed_.stops.stationNames.size(), kNone);
        for (std::uint32_t line = 0; line < network_.lines.size(); ++line) {
            for (std::uint32_t s : stationsOfLine(line)) {
                if (stationRow_[s] == kNone) {
                    stationRow_[s] = static_cast<std::uint32_t>(rowStation_.size());
                    rowStation_.push_back(s);
                    linesAt_.emplace_back();
                }
                std::vector<std::uint32_t>& lines = linesAt_[stationRow_[s]];
                if (lines.empty() || lines.back() != line) lines.push_back(line);
            }
        }
    }

    void nameStations() {
        const GtfsStops& stops = feed_.stops;
        std::vector<StationFacts> facts;
        for (std::uint32_t row = 0; row < rowStation_.size(); ++row) {
            const std::uint32_t s = rowStation_[row];
            StationFacts station{stops.stationNames[s], stops.stationPositions[s], {}};
            for (std::uint32_t line : linesAt_[row]) {
                const GtfsRoute& route =
                    feed_.routes
                        .routes[collected_.groups[planned_[plannedOfLine_[line]].group].route];
                if (std::any_of(station.lines.begin(), station.lines.end(),
                                [&](const ServingLine& seen) { return seen.name == route.name; })) {
                    continue;  // a route repeated under another id
                }
                station.lines.push_back(route.number.empty()
                                            ? ServingLine{route.name, {}, {}, {}}
                                            : ServingLine{route.name, route.number,
                                                          std::string(modeWord(route.mode)),
                                                          std::string(numberWord(route.mode))});
            }
            facts.push_back(std::move(station));
        }
        names_ = nameStationsApart(facts, summary_.namesApart);
    }

    void writeStations() {
        const GtfsStops& stops = feed_.stops;
        for (std::uint32_t line = 0; line < network_.lines.size(); ++line) {
            for (std::uint32_t s : stationsOfLine(line)) {
                network_.lines[line].passstna += names_[stationRow_[s]] + ";";
            }
            network_.lineStops.push_back(stationsOfLine(line));
        }
        for (std::uint32_t row = 0; row < rowStation_.size(); ++row) {
            const std::uint32_t s = rowStation_[row];
            const auto& descriptions = stops.stationDescriptions[s];
            StationRow station{names_[row],
                               descriptions.empty() ? std::string() : descriptions[0],
                               joinDescriptions(descriptions, 1),
                               {}};
            for (std::uint32_t line : linesAt_[row]) {
                station.passlnna += network_.lines[line].lnna + ";";
            }
            network_.stations.push_back(std::move(station));
            const std::optional<GeoPoint>& position = stops.stationPositions[s];
            if (position) {
                network_.positions.push_back(
                    PositionRow{names_[row], position->lat, position->lon});
            }
        }
        summary_.stations = network_.stations.size();
        summary_.positions = network_.positions.size();
    }

    void joinWalks() {
        const GtfsStops& stops = feed_.stops;
        std::vector<RowTransfer> rowTransfers;
        for (const StationTransfer& transfer : feed_.transfers.transfers) {
            if (stationRow_[transfer.from] == kNone || stationRow_[transfer.to] == kNone) {
                summary_.skip(
                    "transfers.txt", "换乘的站点没有线路经过", 0, "stop_name",
                    stops.stationNames[stationRow_[transfer.from] == kNone ? transfer.from
                                                                           : transfer.to]);
                continue;
            }
            rowTransfers.push_back(
                RowTransfer{stationRow_[transfer.from], stationRow_[transfer.to], transfer.metres});
        }
        std::vector<std::optional<GeoPoint>> positions;
        for (std::uint32_t s : rowStation_) positions.push_back(stops.stationPositions[s]);
        network_.walks = stationWalks(network_.stations, positions, rowTransfers, summary_);
        summary_.walks = network_.walks.size();
    }

    // Every trip is checked against the lines written for its route: a traveller boards at the
    // trip's first station and rides, in order, to its last.
    void countTripsInOrder() {
        std::vector<std::vector<std::uint32_t>> linesOfRoute(feed_.routes.routes.size());
        for (std::uint32_t i = 0; i < planned_.size(); ++i) {
            linesOfRoute[collected_.groups[planned_[i].group].route].push_back(lineOfPlanned_[i]);
        }
        std::uint64_t inOrder = 0;
        for (const PatternGroup& group : collected_.groups) {
            const auto& lines = linesOfRoute[group.route];
            for (std::uint32_t p : group.patterns) {
                const StopPattern& pattern = collected_.patterns[p];
                if (std::any_of(lines.begin(), lines.end(), [&](std::uint32_t line) {
                        return ridesInOrder(stationsOfLine(line), pattern.stations.front(),
                                            pattern.stations.back());
                    })) {
                    inOrder += pattern.trips;
                }
            }
        }
        summary_.tripsInOrder = inOrder;
    }

    void reportUnservedStops() {
        const GtfsStops& stops = feed_.stops;
        for (std::uint32_t s = 0; s < stops.stationNames.size(); ++s) {
            if (stationRow_[s] == kNone) {
                summary_.skip("stops.txt", "没有线路经过的站点，未导入", 0, "stop_name",
                              stops.stationNames[s]);
            }
        }
    }

    const GtfsTables& feed_;
    std::string_view citycode_;
    ImportSummary& summary_;
    GtfsNetwork network_;

    StopPatterns collected_;
    std::vector<PlannedLine> planned_;
    std::vector<std::uint32_t> mergedInto_;  // by planned line: the one it became part of
    std::vector<std::uint32_t> lineOfPlanned_;
    std::vector<std::uint32_t> plannedOfLine_;  // by line (lnid order)
    std::vector<std::string> stemOfRoute_;      // by route: what its line names begin with
    std::vector<std::uint32_t> stationRow_;     // by GtfsStops station; kNone where unserved
    std::vector<std::uint32_t> rowStation_;
    std::vector<std::vector<std::uint32_t>> linesAt_;  // by row, in lnid order
    std::vector<std::string> names_;                   // by row
};

}  // namespace

GtfsNetwork GtfsNetwork::build(const GtfsTables& feed, std::string_view citycode,
                               ImportSummary& summary) {
    return NetworkBuilder(feed, citycode, summary).build();
}

}  // namespace busquery
