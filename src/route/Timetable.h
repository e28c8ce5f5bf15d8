#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace busquery {

struct NetworkIndex;

// Minutes after midnight of a service day. A trip that runs past midnight keeps counting
// (24:10 is 1450) on the day it belongs to, as the feed writes it.
using ServiceMinute = std::uint16_t;

// A day of the city's calendar as the number of days since 1970-01-01.
using ServiceDay = std::int32_t;

// The timetable of a bus database, in memory: for every line (one stop pattern, a row of the
// line table) its trips with the time at each of its stops, and the days each trip runs. Lines
// are numbered as the line table's rows, in table order, and a line's stops are the positions
// of its station list. A trip that runs only part of its line has kNoStop, arriving and
// leaving, where it does not stop: it is boarded and left only where it stops. A line without
// trips has no timetable; a database without the timetable tables gives an empty Timetable.
struct Timetable {
    static constexpr ServiceMinute kNoStop = 0xFFFF;

    struct Line {
        std::uint32_t firstTrip = 0;  // index into trips; the line's trips are consecutive
        std::uint32_t tripCount = 0;
        std::uint32_t stopCount = 0;  // the stops of each of its trips
        std::uint32_t firstTime =
            0;  // index into arrivals/departures of its first trip's first stop
    };

    struct Trip {
        std::uint32_t service = 0;   // index of the service whose days it runs on
        std::uint32_t headsign = 0;  // index into headsigns
    };

    // A change between two stations (or at one) that needs more than the usual time.
    struct MinimumChange {
        std::string stna;
        std::string tostna;
        ServiceMinute minutes = 0;
    };

    std::vector<Line> lines;  // one per line row; tripCount 0 where a line has no trips
    // Trips of a line sorted by their departure from the first stop they serve.
    std::vector<Trip> trips;
    // Per trip, per stop of its line: trip t of line l stops at position i at index
    // l.firstTime + (t - l.firstTrip) * l.stopCount + i.
    std::vector<ServiceMinute> arrivals;
    std::vector<ServiceMinute> departures;
    std::vector<std::string> headsigns;

    // The calendar: days firstDay .. firstDay + dayCount - 1, one bit per day and service,
    // wordsPerService 64-bit words for each service in turn.
    ServiceDay firstDay = 0;
    std::int32_t dayCount = 0;
    std::uint32_t wordsPerService = 0;
    std::vector<std::uint64_t> serviceDays;
    bool calendarGiven = true;  // false: the feed had no calendar and every service runs daily

    std::vector<MinimumChange> minimumChanges;

    // The timetable of the network's database, read on first need: network.derived<Timetable>().
    static Timetable build(const NetworkIndex& network);

    bool empty() const { return trips.empty(); }

    bool runs(std::uint32_t service, ServiceDay day) const {
        const auto offset = day - firstDay;
        if (offset < 0 || offset >= dayCount) return false;
        const auto word = serviceDays[service * wordsPerService + offset / 64];
        return (word >> (offset % 64)) & 1U;
    }

    std::span<const ServiceMinute> arrivalsOf(std::uint32_t trip, const Line& line) const {
        return {arrivals.data() + line.firstTime + (trip - line.firstTrip) * line.stopCount,
                line.stopCount};
    }
    std::span<const ServiceMinute> departuresOf(std::uint32_t trip, const Line& line) const {
        return {departures.data() + line.firstTime + (trip - line.firstTrip) * line.stopCount,
                line.stopCount};
    }
};

}  // namespace busquery
