#pragma once

#include <cstdint>

namespace busquery {

// intOutState: what the last query came to. The query command turns some of them into a message.
enum class OutcomeCode : std::int16_t {
    EmptyInput = 0,       // every entry text is empty
    TooShort = 1,         // the station-lookup text has exactly one character
    NoLine = 2,           // line lookup found no line
    Listed = 3,           // lines listed: line lookup, or direct lines of a route search
    StationsListed = 4,   // station lookup listed at least one station
    NoStation = 5,        // station lookup found no station
    NoOrigin = 6,         // the origin is empty or names no station
    NoDestination = 7,    // the destination is empty or names no station
    PlansListed = 8,      // one-change plans are in the pane
    NoRoute = 9,          // both stations exist, but no direct line and no one-change plan
    JourneysListed = 10,  // journeys of more changes or with walks are in the pane
    SameStation = 11,     // origin and destination are the same station: nothing to search
    TimedJourneysListed = 12,  // journeys by the clock are in the pane
    NoTimedJourney = 13,       // no journey by the clock leaves (or arrives) within 24 hours
};

}  // namespace busquery
