#include "route/TimedNetwork.h"

#include <algorithm>
#include <climits>
#include <map>
#include <utility>

namespace busquery {

namespace {

// Whether trip `later` stops where trip `earlier` stops, and leaves and arrives at every stop
// no earlier than it.
bool keepsOrder(const Timetable& timetable, const Timetable::Line& line, std::uint32_t earlier,
                std::uint32_t later) {
    const auto depEarlier = timetable.departuresOf(earlier, line);
    const auto depLater = timetable.departuresOf(later, line);
    const auto arrEarlier = timetable.arrivalsOf(earlier, line);
    const auto arrLater = timetable.arrivalsOf(later, line);
    for (std::uint32_t i = 0; i < line.stopCount; ++i) {
        if ((arrLater[i] == Timetable::kNoStop) != (arrEarlier[i] == Timetable::kNoStop) ||
            depLater[i] < depEarlier[i] || arrLater[i] < arrEarlier[i]) {
            return false;
        }
    }
    return true;
}

// The first and the last stop trip t serves.
std::pair<std::uint32_t, std::uint32_t> servedSpan(const Timetable& timetable,
                                                   const Timetable::Line& line, std::uint32_t t) {
    const auto arrivals = timetable.arrivalsOf(t, line);
    std::uint32_t first = 0;
    while (arrivals[first] == Timetable::kNoStop) ++first;
    std::uint32_t last = line.stopCount - 1;
    while (arrivals[last] == Timetable::kNoStop) --last;
    return {first, last};
}

bool withinADay(const Timetable& timetable, const Timetable::Line& line,
                const std::vector<std::uint32_t>& trips) {
    for (std::uint32_t i = 0; i < line.stopCount; ++i) {
        int lowest = INT32_MAX;
        int highest = 0;
        for (const std::uint32_t t : trips) {
            if (timetable.arrivalsOf(t, line)[i] == Timetable::kNoStop) break;
            lowest = std::min<int>(lowest, timetable.arrivalsOf(t, line)[i]);
            highest = std::max<int>(highest, timetable.departuresOf(t, line)[i]);
        }
        if (lowest != INT32_MAX && highest > lowest + 1440) return false;
    }
    return true;
}

struct HopPart {
    TimedNetwork::Station from;
    TimedNetwork::Station to;
    std::uint32_t minutes;
};

// Notes for each trip of a route how many of its neighbours on either side share its service;
// whether they run in runs of several on average.
bool addServiceRuns(TimedNetwork& network, std::uint32_t first, std::uint32_t count) {
    constexpr std::uint32_t kLongRun = 4;
    const std::uint32_t* services = network.routeServices.data() + first;
    network.sameServiceAfter.resize(first + count);
    network.sameServiceBefore.resize(first + count);
    std::uint16_t* after = network.sameServiceAfter.data() + first;
    std::uint16_t* before = network.sameServiceBefore.data() + first;
    auto next = [](std::uint16_t run) {
        return static_cast<std::uint16_t>(std::min<std::uint32_t>(run + 1u, UINT16_MAX));
    };
    for (std::uint32_t k = 0; k < count; ++k) {
        before[k] = k > 0 && services[k - 1] == services[k] ? next(before[k - 1]) : 0;
    }
    std::uint32_t runs = 0;
    for (std::uint32_t k = count; k-- > 0;) {
        after[k] = k + 1 < count && services[k + 1] == services[k] ? next(after[k + 1]) : 0;
        runs += before[k] == 0 ? 1 : 0;
    }
    return count >= kLongRun * runs;
}

// The hops of a line's trips between the stations they stop at one after the other, each in
// the fewest minutes any trip takes.
void addHops(const Timetable& timetable, const Timetable::Line& line,
             const std::vector<TimedNetwork::Station>& stations, std::vector<HopPart>& hops) {
    constexpr auto kNone = TimedNetwork::kNone;
    // Most trips stop everywhere: a hop to the next stop with a station is kept by its start;
    // others, of trips that pass stops by, go to a map.
    std::vector<std::uint32_t> next(line.stopCount, kNone);
    for (std::uint32_t i = line.stopCount, following = kNone; i-- > 0;) {
        next[i] = following;
        if (stations[i] != kNone) following = i;
    }
    std::vector<std::uint32_t> fewest(line.stopCount, UINT32_MAX);
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> skipping;
    for (std::uint32_t t = line.firstTrip; t < line.firstTrip + line.tripCount; ++t) {
        const auto arrivals = timetable.arrivalsOf(t, line);
        const auto departures = timetable.departuresOf(t, line);
        std::uint32_t from = kNone;
        for (std::uint32_t i = 0; i < line.stopCount; ++i) {
            if (stations[i] == kNone || arrivals[i] == Timetable::kNoStop) continue;
            if (from != kNone) {
                const std::uint32_t minutes =
                    arrivals[i] > departures[from] ? arrivals[i] - departures[from] : 0;
                auto& best = next[from] == i
                                 ? fewest[from]
                                 : skipping.try_emplace({from, i}, UINT32_MAX).first->second;
                best = std::min(best, minutes);
            }
            from = i;
        }
    }
    for (std::uint32_t i = 0; i < line.stopCount; ++i) {
        if (fewest[i] != UINT32_MAX) hops.push_back({stations[i], stations[next[i]], fewest[i]});
    }
    for (const auto& [pair, minutes] : skipping) {
        hops.push_back({stations[pair.first], stations[pair.second], minutes});
    }
}

template <typename T, typename Key>
void group(std::uint32_t groups, const std::vector<T>& items, Key key,
           std::vector<std::uint32_t>& first, std::vector<T>& grouped) {
    first.assign(groups + 1, 0);
    for (const T& item : items) ++first[key(item) + 1];
    for (std::uint32_t g = 0; g < groups; ++g) first[g + 1] += first[g];
    grouped.resize(items.size());
    std::vector<std::uint32_t> next(first.begin(), first.end() - 1);
    for (const T& item : items) grouped[next[key(item)]++] = item;
}

}  // namespace

TimedNetwork TimedNetwork::assemble(const Timetable& timetable, Parts parts) {
    TimedNetwork network;
    network.timetable = &timetable;
    network.stationCount = parts.stationCount;
    network.serviceCount =
        timetable.wordsPerService == 0
            ? 0
            : static_cast<std::uint32_t>(timetable.serviceDays.size() / timetable.wordsPerService);
    if (!timetable.calendarGiven) {
        for (const auto& trip : timetable.trips) {
            network.serviceCount = std::max(network.serviceCount, trip.service + 1);
        }
    }
    parts.lineStations.resize(timetable.lines.size());

    // Trips come sorted by their first departure; each goes to the first route whose last trip
    // stops where it stops and it does not overtake, so a line whose trips all stop everywhere
    // and keep their order is one route.
    // Every trip and stop time goes to one route at most: sized once.
    network.routeTrips.reserve(timetable.trips.size());
    network.routeServices.reserve(timetable.trips.size());
    network.departuresByStop.reserve(timetable.departures.size());
    std::vector<StopAt> stopsAt;
    std::vector<HopPart> hops;
    for (std::uint32_t l = 0; l < timetable.lines.size(); ++l) {
        const auto& line = timetable.lines[l];
        const auto& stations = parts.lineStations[l];
        if (line.tripCount == 0 || stations.size() != line.stopCount) continue;
        addHops(timetable, line, stations, hops);
        std::vector<std::vector<std::uint32_t>> chains;
        for (std::uint32_t t = line.firstTrip; t < line.firstTrip + line.tripCount; ++t) {
            auto chain = std::find_if(chains.begin(), chains.end(), [&](const auto& trips) {
                return keepsOrder(timetable, line, trips.back(), t);
            });
            if (chain == chains.end()) {
                chains.push_back({t});
            } else {
                chain->push_back(t);
            }
        }
        for (const auto& chain : chains) {
            Route route;
            route.line = l;
            route.firstTrip = static_cast<std::uint32_t>(network.routeTrips.size());
            route.tripCount = static_cast<std::uint32_t>(chain.size());
            route.earliest = UINT16_MAX;
            const auto [first, last] = servedSpan(timetable, line, chain.front());
            for (const std::uint32_t t : chain) {
                route.earliest = std::min(route.earliest, timetable.departuresOf(t, line)[first]);
                route.latest = std::max(route.latest, timetable.arrivalsOf(t, line)[last]);
            }
            route.dayOrdered = withinADay(timetable, line, chain);
            network.latestTime = std::max(network.latestTime, route.latest);
            network.routeTrips.insert(network.routeTrips.end(), chain.begin(), chain.end());
            for (const std::uint32_t t : chain) {
                network.routeServices.push_back(timetable.trips[t].service);
            }
            route.longServiceRuns = addServiceRuns(network, route.firstTrip, route.tripCount);
            route.firstDeparture = static_cast<std::uint32_t>(network.departuresByStop.size());
            for (std::uint32_t p = 0; p < line.stopCount; ++p) {
                for (const std::uint32_t t : chain) {
                    network.departuresByStop.push_back(timetable.departuresOf(t, line)[p]);
                }
            }
            const auto routeNo = static_cast<std::uint32_t>(network.routes.size());
            network.routes.push_back(route);
            const auto served = timetable.arrivalsOf(chain.front(), line);
            network.routes.back().firstStation =
                static_cast<std::uint32_t>(network.routeStations.size());
            for (std::uint32_t p = 0; p < stations.size(); ++p) {
                const bool stops = stations[p] != kNone && served[p] != Timetable::kNoStop;
                network.routeStations.push_back(stops ? stations[p] : kNone);
                if (stops) stopsAt.push_back(StopAt{routeNo, p});
            }
        }
    }
    network.lineStations = std::move(parts.lineStations);
    group(
        network.stationCount, stopsAt,
        [&](const StopAt& stop) {
            return network.lineStations[network.routes[stop.route].line][stop.position];
        },
        network.stopsAtFirst, network.stopsAt);

    // A pair the feed gives a minimum for takes that minimum, walking or changing in place.
    std::map<std::pair<Station, Station>, std::uint16_t> minimums;
    for (const auto& change : parts.changes) minimums[{change.from, change.to}] = change.minutes;
    network.changeMinutes.assign(network.stationCount, kChangeMinutes);
    for (const auto& [pair, minutes] : minimums) {
        if (pair.first == pair.second) network.changeMinutes[pair.first] = minutes;
    }
    std::map<std::pair<Station, Station>, Walk> shortest;
    for (const auto& part : parts.walks) {
        if (part.from == part.to) continue;
        const auto given = minimums.find({part.from, part.to});
        const Walk walk{part.to, part.metres,
                        given != minimums.end() ? given->second : walkMinutes(part.metres),
                        part.row};
        auto [at, added] = shortest.try_emplace({part.from, part.to}, walk);
        if (!added && walk.minutes < at->second.minutes) at->second = walk;
    }
    std::vector<std::pair<Station, Walk>> walks(shortest.size());
    std::transform(shortest.begin(), shortest.end(), walks.begin(), [](const auto& entry) {
        return std::pair{entry.first.first, entry.second};
    });
    std::vector<std::pair<Station, Walk>> grouped;
    group(
        network.stationCount, walks, [](const auto& walk) { return walk.first; },
        network.walksFromFirst, grouped);
    network.walksFrom.reserve(grouped.size());
    for (const auto& [from, walk] : grouped) network.walksFrom.push_back(walk);
    for (auto& [from, walk] : walks) std::swap(from, walk.to);
    group(
        network.stationCount, walks, [](const auto& walk) { return walk.first; },
        network.walksToFirst, grouped);
    network.walksTo.reserve(grouped.size());
    for (const auto& [to, walk] : grouped) network.walksTo.push_back(walk);

    std::vector<HopPart> groupedHops;
    group(
        network.stationCount, hops, [](const HopPart& hop) { return hop.to; },
        network.hopsIntoFirst, groupedHops);
    network.hopsInto.reserve(groupedHops.size());
    for (const auto& hop : groupedHops) network.hopsInto.push_back({hop.from, hop.minutes});
    group(
        network.stationCount, hops, [](const HopPart& hop) { return hop.from; },
        network.hopsOutOfFirst, groupedHops);
    network.hopsOutOf.reserve(groupedHops.size());
    for (const auto& hop : groupedHops) network.hopsOutOf.push_back({hop.to, hop.minutes});
    return network;
}

}  // namespace busquery
