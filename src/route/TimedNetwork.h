#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "route/Timetable.h"

namespace busquery {

struct NetworkIndex;

// The timetable as the search by the clock reads it: stations are numbers (those of the journey
// network), every line with trips is split into routes whose trips never overtake one another,
// and walks carry the minutes they take.
//
// Rules every timed search follows: a change from one ride to another at the same station takes
// kChangeMinutes unless the feed gives a minimum for that station; a walk takes one minute for
// every started kMetresPerMinute metres, or the feed's minimum for that pair of stations, and
// needs no change time after it.
struct TimedNetwork {
    using Station = std::uint32_t;
    static constexpr Station kNone = UINT32_MAX;
    static constexpr std::uint16_t kChangeMinutes = 2;
    static constexpr std::uint32_t kMetresPerMinute = 80;

    // The trips of one line that serve the same stops and keep their order at every one: a later
    // trip neither leaves nor arrives anywhere before an earlier one, so the first trip to catch
    // is found by halving. Its departures at a stop it does not serve are kNoStop.
    struct Route {
        std::uint32_t line = 0;       // index into Timetable::lines
        std::uint32_t firstTrip = 0;  // index into routeTrips
        std::uint32_t tripCount = 0;
        ServiceMinute earliest = 0;  // the first departure of any of its trips
        ServiceMinute latest = 0;    // the last arrival of any of its trips
        // Every trip of a day leaves and arrives everywhere no later than any of the next day.
        bool dayOrdered = false;
        // Its trips run on one service in runs of several, so that a search skips a day's idle
        // trips a run at a time; where services take turns, stepping trip by trip is quicker.
        bool longServiceRuns = false;
        std::uint32_t firstDeparture = 0;  // index into departuresByStop
        std::uint32_t firstStation = 0;    // index into routeStations
    };

    struct StopAt {
        std::uint32_t route;
        std::uint32_t position;
    };

    struct Walk {
        Station to;  // walksTo: where it starts
        std::uint32_t metres;
        std::uint32_t minutes;
        std::uint32_t row;  // the walk it comes from, for its names
    };

    // What the network is made of, in the journey network's station numbers.
    struct Parts {
        std::uint32_t stationCount = 0;
        // Per Timetable line: its station at each stop, kNone where a stop has no station. Lines
        // left empty take no part.
        std::vector<std::vector<Station>> lineStations;
        struct WalkPart {
            Station from;
            Station to;
            std::uint32_t metres;
            std::uint32_t row;
        };
        std::vector<WalkPart> walks;
        struct ChangePart {
            Station from;
            Station to;
            std::uint16_t minutes;
        };
        std::vector<ChangePart> changes;  // the feed's minimum times
    };

    const Timetable* timetable = nullptr;
    std::uint32_t stationCount = 0;
    std::vector<Route> routes;
    std::vector<std::uint32_t> routeTrips;     // per route its trips (Timetable::trips) in order
    std::vector<std::uint32_t> routeServices;  // and the service of each, read together
    // Per trip as routeTrips: how many trips next to it after it, and before it, on its route
    // run on the same service (at most UINT16_MAX), so that a search skips a day's idle trips
    // a run at a time.
    std::vector<std::uint16_t> sameServiceAfter;
    std::vector<std::uint16_t> sameServiceBefore;
    // Per route, per stop, the departures of its trips in order: a search halves them.
    std::vector<ServiceMinute> departuresByStop;
    std::vector<std::vector<Station>> lineStations;  // as given
    // Per route, per stop of its line: the station, kNone where its trips do not stop, so that
    // a scan along the route reads one array.
    std::vector<Station> routeStations;
    std::vector<std::uint32_t> stopsAtFirst;  // per station where its stops begin; the end
    std::vector<StopAt> stopsAt;
    std::vector<std::uint32_t> walksFromFirst;  // the same for walks by where they start
    std::vector<Walk> walksFrom;
    std::vector<std::uint32_t> walksToFirst;  // and by where they end
    std::vector<Walk> walksTo;
    std::vector<std::uint16_t> changeMinutes;  // per station
    // A ride from one station to the next one a trip of a line stops at, in the fewest minutes
    // any of its trips takes: what a lower bound on the time to a station is found from.
    struct Hop {
        Station station;  // hopsInto: where it starts; hopsOutOf: where it ends
        std::uint32_t minutes;
    };
    std::vector<std::uint32_t> hopsIntoFirst;  // per station where its hops begin; the end
    std::vector<Hop> hopsInto;
    std::vector<std::uint32_t> hopsOutOfFirst;
    std::vector<Hop> hopsOutOf;
    std::uint32_t serviceCount = 0;
    ServiceMinute latestTime = 0;  // the last arrival of any trip

    // The timetable must outlive the network.
    static TimedNetwork assemble(const Timetable& timetable, Parts parts);
    // What the network of a database's timetable is made of, in the journey network's numbers.
    static Parts partsOf(const NetworkIndex& network);
    // The network of a database's timetable, its city's lines and its walks, numbered as the
    // journey network: network.derived<TimedNetwork>().
    static TimedNetwork build(const NetworkIndex& network);

    std::span<const StopAt> stopsOf(Station station) const {
        return ofStation(stopsAtFirst, stopsAt, station);
    }
    std::span<const Walk> walksFromStation(Station station) const {
        return ofStation(walksFromFirst, walksFrom, station);
    }
    std::span<const Walk> walksToStation(Station station) const {
        return ofStation(walksToFirst, walksTo, station);
    }
    std::span<const Hop> hopsIntoStation(Station station) const {
        return ofStation(hopsIntoFirst, hopsInto, station);
    }
    std::span<const Hop> hopsOutOfStation(Station station) const {
        return ofStation(hopsOutOfFirst, hopsOutOf, station);
    }
    const Timetable::Line& lineOf(const Route& route) const { return timetable->lines[route.line]; }

  private:
    // A station's items of an array grouped by station, whose group starts `first` holds.
    template <typename T>
    static std::span<const T> ofStation(const std::vector<std::uint32_t>& first,
                                        const std::vector<T>& items, Station station) {
        return {items.data() + first[station], first[station + 1] - first[station]};
    }
};

// Minutes a walk of that length takes.
inline std::uint32_t walkMinutes(std::uint32_t metres) {
    return static_cast<std::uint32_t>((std::uint64_t{metres} + TimedNetwork::kMetresPerMinute - 1) /
                                      TimedNetwork::kMetresPerMinute);
}

}  // namespace busquery
