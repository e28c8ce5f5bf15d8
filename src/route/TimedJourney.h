#pragma once

#include <cstdint>
#include <vector>

#include "route/TimedNetwork.h"

namespace busquery {

// Times of a timed journey are minutes since 1970-01-01 00:00 of the city's local time as the
// feed gives it: a service day times 1440 plus the minute of that day.
using JourneyMinute = std::int32_t;

inline JourneyMinute journeyMinute(ServiceDay day, std::uint32_t minute) {
    return day * 1440 + static_cast<JourneyMinute>(minute);
}

struct TimedLeg {
    enum class Kind { ride, walk };
    Kind kind = Kind::ride;
    TimedNetwork::Station from = 0;
    TimedNetwork::Station to = 0;
    JourneyMinute depart = 0;
    JourneyMinute arrive = 0;
    // Rides: the trip (Timetable::trips) of a line (Timetable::lines), the service day it runs
    // on, and the stops boarded and left (positions on the line).
    std::uint32_t line = 0;
    std::uint32_t trip = 0;
    ServiceDay day = 0;
    std::uint32_t board = 0;
    std::uint32_t alight = 0;
    // Walks: their length, the minutes they take and the walk row they come from.
    std::uint32_t metres = 0;
    std::uint32_t minutes = 0;
    std::uint32_t walkRow = 0;
};

struct TimedJourney {
    JourneyMinute depart = 0;
    JourneyMinute arrive = 0;
    std::uint32_t rides = 0;
    std::vector<TimedLeg> legs;
};

struct TimedQuery {
    TimedNetwork::Station origin = 0;
    TimedNetwork::Station destination = 0;
    ServiceDay day = 0;
    std::uint32_t minute = 0;  // of the day, 0 to 1439
    bool arriveBy = false;     // the time is when to arrive by, not when to leave
    // How long after the first departure found (before the last arrival, arriving by) later
    // ones are looked for; 0 keeps the earliest journeys alone.
    std::uint32_t rangeMinutes = 60;
};

struct TimedAnswer {
    ServiceDay serviceDay = 0;           // the day searched: the one asked for or a stand-in
    bool dateMoved = false;              // the day asked for lies outside the timetable's calendar
    std::vector<TimedJourney> journeys;  // in order of departure
};

}  // namespace busquery
