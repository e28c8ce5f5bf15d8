#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "route/TimedJourney.h"

namespace busquery {

// When a route search should travel: leaving at a day and minute, or arriving by them.
struct RouteTime {
    ServiceDay day = 0;
    std::uint32_t minute = 0;  // of the day, 0 to 1439
    bool arriveBy = false;

    bool operator==(const RouteTime&) const = default;
};

// One leg of a journey by the clock as the traveller reads it.
struct TimedJourneyLeg {
    TimedLeg::Kind kind = TimedLeg::Kind::ride;
    std::string from;
    std::string to;
    std::string line;      // rides: lnna
    std::string headsign;  // rides: where the trip is headed; may be empty
    JourneyMinute depart = 0;
    JourneyMinute arrive = 0;
    std::uint32_t stops = 0;   // rides: stops ridden
    std::uint32_t metres = 0;  // walks
    std::uint32_t minutes = 0;

    bool operator==(const TimedJourneyLeg&) const = default;
};

struct TimedJourneyEntry {
    JourneyMinute depart = 0;
    JourneyMinute arrive = 0;
    std::uint32_t rides = 0;
    std::vector<TimedJourneyLeg> legs;

    bool operator==(const TimedJourneyEntry&) const = default;
};

// What a route search with a time came to, beside the stations it names.
struct TimedRouteAnswer {
    RouteTime asked;
    ServiceDay serviceDay = 0;  // the day searched; another than asked when dateMoved
    bool dateMoved = false;     // the day asked lies outside the timetable's dates
    bool timetable = false;     // the data has a timetable; else linesLeftOut may apply
    std::vector<TimedJourneyEntry> journeys;
    // Without a timetable: the lines whose service hours leave out the time, which the route
    // search did not use.
    std::vector<std::string> linesLeftOut;

    bool operator==(const TimedRouteAnswer&) const = default;
};

}  // namespace busquery
