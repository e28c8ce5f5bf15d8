#pragma once

#include <cstdint>
#include <vector>

#include "route/JourneyNetwork.h"

namespace busquery {

// What the journey search works in, in the open: the labels of every round, the marks of the
// backward levels, the stamps, and the scratch of the rebuild. Owned by the search's caller,
// sized once per network (resize) and kept from one query to the next, so that a search
// allocates nothing once the arrays have grown. A pass clears the labels it set; other marks
// carry the number of the query, pass or round they belong to.
struct JourneySearchState {
    static constexpr std::uint32_t kMaxRides = 5;
    static constexpr std::uint32_t kNone = RouteIndex::kNone;

    // The cheapest arrival at a station in one round, by ride or on foot. The legs are found
    // again from the costs (and the ride that set it first) when a journey is rebuilt.
    struct Label {
        std::uint32_t cost = UINT32_MAX;  // none
    };

    // The ride that set a ride label: where its line was boarded, and whether the arrival
    // boarded from was on foot. Where it was left follows from the costs.
    struct Boarding {
        std::uint32_t line = 0;
        std::uint32_t board : 31 = 0;
        std::uint32_t onFoot : 1 = 0;
    };

    // A way to end at the destination: the last ride boarding at `board` after the arrival of
    // the round before, and maybe a walk into the destination.
    struct Ending {
        std::uint32_t rides;
        std::uint32_t cost;
        std::uint32_t line;
        std::uint32_t board;
        std::uint32_t alight;
        bool fromWalk;
        std::uint32_t walkFrom;  // the station the final walk starts at, or kNone
        std::uint32_t walk;      // its index in walksFrom there
    };

    // One leg of a journey in ids, rebuilt from the labels.
    struct Step {
        bool walk;
        std::uint32_t line;  // rides: index into JourneyNetwork::lines
        std::uint32_t board;
        std::uint32_t alight;
        std::uint32_t from;  // the station the leg starts at
        std::uint32_t to;
        std::uint32_t metres;  // walks
        std::uint32_t row;     // walks: the nstwalk row, for the names
    };

    // A journey that passed the check, its lines (NetworkIndex::lines) in riding order.
    struct Found {
        std::uint32_t rides;
        std::uint32_t cost;
        std::vector<std::uint32_t> lines;
        std::vector<Step> steps;
    };

    // How far from the destination the backward search looks, in rides: levels 0 to 2. The near
    // levels have few stations.
    static constexpr std::uint32_t kLevels = 3;
    static constexpr std::uint32_t kNearLevels = 2;

    // What the backward search knows of a station: per level the cheapest way on to the
    // destination with at most that many rides, boarding there (`board`) or maybe walking first
    // (`any`); and the last level that listed it as improved. Costs are kept in 16 bits, those
    // beyond as the largest that fits below kFar, which only ever says less than they are; the
    // stations changed in a query are listed to be cleared before the next.
    static constexpr std::uint16_t kFar = UINT16_MAX;
    static constexpr std::uint8_t kUnset = UINT8_MAX;
    struct Onward {
        std::uint16_t board[kLevels];
        std::uint16_t any[kLevels];
        std::uint8_t listed;
    };
    static constexpr Onward kNoWay{{kFar, kFar, kFar}, {kFar, kFar, kFar}, kUnset};

    // The labels of a station, by ride and on foot in every round, fill one cache line: a scan
    // reads those of two rounds at every stop.
    static constexpr std::size_t kLabelsPerStation = 16;
    static_assert(kLabelsPerStation >= 2 * (kMaxRides + 1));

    // Ties may branch while rebuilding: a bound keeps a pathological network from taking long.
    static constexpr std::uint32_t kTraceBudget = 256;

    // Sizes the arrays for the network, emptying them when its size changed.
    void resize(const JourneyNetwork& network);

    Label& ride(std::uint32_t round, std::uint32_t station) {
        return labels[kLabelsPerStation * station + 2 * round];
    }
    Label& walk(std::uint32_t round, std::uint32_t station) {
        return labels[kLabelsPerStation * station + 2 * round + 1];
    }
    Boarding& boarding(std::uint32_t round, std::uint32_t station) {
        return boardings[round * stations + station];
    }
    static bool has(const Label& label) { return label.cost != UINT32_MAX; }
    // Gives a label its cost, noting it to be cleared when the next pass starts.
    void set(Label& label, std::uint32_t cost) {
        if (!has(label)) labelled.push_back(static_cast<std::uint32_t>(&label - labels.data()));
        label.cost = cost;
    }

    std::uint32_t stations = 0;
    std::uint32_t query = 0;   // one per run
    std::uint32_t search = 0;  // one per pass
    std::uint32_t passRides = 0;
    std::uint32_t passLimit = 0;  // UINT32_MAX: no limit
    std::uint32_t origin = 0;
    std::uint32_t destination = 0;
    std::vector<Label> labels;            // kLabelsPerStation × station + 2 × round + walk
    std::vector<std::uint32_t> labelled;  // the labels this pass has set
    std::vector<Boarding> boardings;      // round × stations + station: of the ride labels
    std::vector<std::uint32_t> stamp;     // per station: the search and round it was touched
    std::vector<std::uint32_t> bestRide;  // per station: cheapest ride arrival of the rounds so far
    std::vector<std::uint32_t> bestAny;   // the same for any arrival
    std::vector<std::uint32_t> bestSearch;  // the search bestRide and bestAny belong to
    std::uint32_t round = 0;                // the round being searched
    std::vector<std::uint32_t> lineStart;   // per line: the stop gatherLines found
    std::vector<std::uint32_t> lineStamp;
    std::uint32_t roundStamp = 0;
    std::vector<Onward> onward;
    std::vector<std::uint8_t> fewest;  // per station: the fewest rides of any way on, or kUnset
    std::vector<std::uint8_t> fewestBoarding;      // the same, boarding there
    std::vector<std::uint32_t> leveled;            // the stations whose onward this query changed
    std::uint32_t levelsKnown = 0;                 // levels found in this query
    std::vector<std::uint32_t> improved[kLevels];  // the stations `any` improved at a level
    // level × lines + line: for the near levels, which have few stations, the last stop at a
    // station of that level, kept as stations are found; for the others, found when first
    // asked, the end of the scan for that level or a nearer one.
    std::vector<std::uint32_t> lastStop;
    std::vector<std::uint32_t> lastStopStamp;
    std::vector<std::uint32_t> marked;   // stations improved in the round before
    std::vector<std::uint32_t> touched;  // stations given a label this round
    std::vector<std::uint32_t> lines;    // lines to scan this round, or backwards for a level
    std::vector<Ending> endings;
    std::vector<Step> steps;             // the rebuild's legs, last first
    std::vector<std::uint32_t> visited;  // the stations of the journey being rebuilt
    std::uint32_t traced = 0;
    std::vector<Found> found;
};

}  // namespace busquery
