#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "route/TimedNetwork.h"

namespace busquery {

// What a search by the clock keeps while it runs, sized once per network by its owner and
// reused from one search to the next; a search clears only what it set.
//
// Times are kept as keys that grow in the direction of the search: the minute itself when
// searching forward from a departure, the minute negated when searching back from an arrival.
struct TimedSearchState {
    static constexpr std::uint32_t kMaxRides = 5;
    static constexpr std::uint32_t kRounds = kMaxRides + 1;
    static constexpr std::int32_t kNever = INT32_MAX;

    // How a station was reached by a ride in a round: the trip, its service day, where it was
    // boarded and left (positions on its line, in the search's direction), and whether the
    // arrival it was boarded from was on foot.
    struct RideStep {
        std::uint32_t route = 0;
        std::uint32_t trip = 0;
        ServiceDay day = 0;
        std::uint32_t board = 0;
        std::uint32_t alight = 0;
        bool fromWalk = false;
    };

    // How a station was reached on foot: from where, and the walk taken.
    struct WalkStep {
        TimedNetwork::Station from = TimedNetwork::kNone;
        TimedNetwork::Walk walk{};
    };

    // A station's arrivals by ride and on foot in every round, and the minutes a change there
    // takes: one cache line, read together.
    struct alignas(64) Labels {
        std::int32_t ride[kRounds] = {kNever, kNever, kNever, kNever, kNever, kNever};
        std::int32_t walk[kRounds] = {kNever, kNever, kNever, kNever, kNever, kNever};
        std::uint32_t bestsFor = 0;  // the stamp of the round its Bests were taken for
        std::uint16_t change = 0;    // set by prepare(), kept by every search
        bool listed = false;         // in `labelled`
    };
    static_assert(kRounds == 6);
    // Over the rounds up to the one searched, a station's best ride arrival and the soonest one
    // may board there: what a scan compares with at most stops, kept small so that it stays
    // close at hand.
    struct Bests {
        std::int32_t ride = kNever;
        std::int32_t ready = kNever;
    };

    std::uint32_t stations = 0;
    std::vector<Labels> labels;           // per station
    std::vector<Bests> bests;             // per station
    std::vector<std::uint32_t> labelled;  // the stations whose labels were set
    // round × stations + station: how each label was set
    std::vector<RideStep> rideSteps;
    std::vector<WalkStep> walkSteps;

    std::vector<std::uint32_t> marked;     // stations to board from in the next round
    std::vector<std::uint32_t> markStamp;  // per station: the round stamp it was marked with
    // Per station, where a round may board: the soonest one may board there after the round
    // before, whether on foot, and the stamp of the round; kept apart from the labels, which
    // the round's scans read far less often.
    struct Boarding {
        std::int32_t ready = kNever;
        std::uint32_t stamp = 0;
        bool onFoot = false;
    };
    std::vector<Boarding> boarding;
    std::vector<std::uint32_t> rodeTo;  // stations given a ride label this round
    std::vector<std::uint32_t> rodeStamp;
    std::uint32_t stamp = 0;                // grows with every round of every search
    std::vector<std::uint32_t> routeStart;  // per route: the first stop to scan from, or kNone
    std::vector<std::uint32_t> routeEnd;    // and the last stop one may board at, else 0
    std::vector<std::uint32_t> routes;      // routes to scan this round: the first routeCount
    std::size_t routeCount = 0;

    // For the target of the search and each of the last kAimedRounds rounds (m rides left
    // after it): per station the fewest rides left with which a ride there counts, and with
    // which one may board there, kFarLevel where none; per route, for each m, the last stop in
    // the search's direction where a ride counts, or kNone.
    static constexpr std::uint32_t kAimedRounds = 3;
    static constexpr std::uint8_t kFarLevel = UINT8_MAX;
    // The two levels have a slot past the stations, never far, that stops without a station
    // read; the lists have one past their most, written before it is known whether to count it.
    std::vector<std::uint8_t> rideLevel;
    std::vector<std::uint8_t> boardLevel;
    std::vector<std::uint32_t> nearListed;  // the stations either is set for: nearCount of them
    std::size_t nearCount = 0;
    std::vector<std::uint32_t> reach;       // m × routes + route
    std::vector<std::uint32_t> nearRoutes;  // the routes it is set for: nearRouteCount of them
    std::size_t nearRouteCount = 0;
    std::vector<std::uint32_t> boarders;  // where one may board with the next m

    // Per station: no fewer minutes than it takes from there to the target (from the source to
    // there, searching back), where a search bounds its runs by them.
    std::vector<std::int32_t> bound;

    // Which services run, for the days a search may use: day − firstDay, times services.
    std::vector<std::uint8_t> running;
    ServiceDay firstDay = 0;
    std::int32_t dayCount = 0;

    // Per round: the arrival at the target if it beat every round before, else kNever.
    std::int32_t arrival[kRounds]{};

    // Sizes the arrays for the network; the state then serves any search over it.
    void prepare(const TimedNetwork& network);
};

}  // namespace busquery
