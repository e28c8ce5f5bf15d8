#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace busquery {

class SampleRandom;

struct SampleStop {
    std::string name;
    std::string road;       // may be empty
    std::string landmarks;  // may be empty
    // Where it stands: metres east and south of the grid's north-west crossing.
    double east = 0;
    double south = 0;
};

// What a route is for; it decides the route's name and service times.
enum class RouteKind {
    Bus,      // numbered city line
    Country,  // numbered line to a town, the airport, the university town or the mountain
    Metro,
    AirportExpress,
    MetroFeeder,
    Lianhua,
    University,
    PeakExpress,
    Night,
};

struct SampleRoute {
    RouteKind kind;
    std::vector<std::size_t> stops;  // indexes into SampleNetwork::stops, in travel order
};

// The streets, stops and routes of the sample city, before they become rows: a grid of roads
// with stops at crossings and between them, lines reaching out from hubs near the centre, ring
// corridors, metro lines across the centre, and beyond the grid towns, villages, the airport,
// the university town and Lianhua mountain, each reached over a highway of its own. Only stops
// that some route serves become stations; no route passes a stop twice.
//
// Crossings lie kBlockMetres apart, the stops between them evenly spaced, so only the stops of
// the busiest blocks (three between two crossings) are a short walk apart. Beyond the grid a
// highway leaves outwards with a stop every kHighwayMetres, the main street carries on
// straight, its cross street runs across it, and a village road carries on past the town's
// terminal.
inline constexpr double kBlockMetres = 1500;
inline constexpr double kHighwayMetres = 3000;
inline constexpr double kStreetMetres = 450;
inline constexpr double kVillageMetres = 900;

struct SampleNetwork {
    std::vector<SampleStop> stops;
    std::vector<SampleRoute> routes;

    // Numbered lines (Bus and Country) to generate at the given scale, at least.
    static std::size_t numberedTarget(int scale) {
        return 150 * static_cast<std::size_t>(scale) + 10;
    }

    static SampleNetwork build(SampleRandom& random, int scale);
};

}  // namespace busquery
