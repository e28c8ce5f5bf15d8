#pragma once

#include <cstdint>
#include <vector>

#include "network/NetworkIndex.h"
#include "route/JourneyNetwork.h"
#include "route/Plan.h"

namespace busquery {

// The search for journeys of up to five rides between two stations (FoldedIds), walking along
// nstwalk to the first ride, between two rides or after the last, never twice in a row. A
// journey's cost is the stops it rides plus walkCost of each walk.
//
// Rounds in the manner of RAPTOR: round r keeps, per station, the cheapest arrival found with r
// rides, once by a ride and once by a walk (a station reached on foot may not be left on foot).
// Each round scans, once, every line that serves a station improved in the round before, from
// the earliest such stop. The fewest rides and the lowest cost at that number are exact. The
// alternatives are the best found by ending with every stop of a line at (or walk into) the
// destination after the cheapest arrival of the round before at every earlier stop of it.
//
// The arrays are sized once per network and kept from one search to the next; marks carry the
// number of the search they belong to, so a search clears nothing.
class JourneySearch {
  public:
    static constexpr std::uint32_t kMaxRides = 5;
    static constexpr std::size_t kMaxJourneys = 10;
    // Journeys with one ride more than the fewest must cost at least this much less.
    static constexpr std::uint32_t kSavingForAnotherRide = 3;

    // The journeys, fewest rides first, then lowest cost, then by their lines in table order;
    // each has a sequence of lines of its own and passes no station twice. Plan::C is the number
    // of stops ridden. Empty when no journey of at most kMaxRides rides exists.
    std::vector<Plan> run(const NetworkIndex& index, RouteIndex::FoldedId from,
                          RouteIndex::FoldedId to);

  private:
    static constexpr std::uint32_t kNone = RouteIndex::kNone;

    // The cheapest arrival at a station in one round, by ride or on foot. The legs are found
    // again from the costs when a journey is rebuilt.
    struct Label {
        std::uint32_t search = 0;
        std::uint32_t cost = 0;
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

    void reset(const JourneyNetwork& network);
    Label& ride(std::uint32_t round, std::uint32_t station) {
        return labels_[(2 * round) * stations_ + station];
    }
    Label& walk(std::uint32_t round, std::uint32_t station) {
        return labels_[(2 * round + 1) * stations_ + station];
    }
    bool has(const Label& label) const { return label.search == search_; }
    // The cheapest arrival of a round to board from, and whether it was on foot; kNone if none.
    std::uint32_t boardingCost(std::uint32_t round, std::uint32_t station, bool& fromWalk);

    void scanRound(const JourneyNetwork& network, std::uint32_t round, std::uint32_t limit);
    void walkRound(const JourneyNetwork& network, std::uint32_t round, std::uint32_t limit);
    void markImproved();
    void collectEndings(const JourneyNetwork& network, std::uint32_t round, std::uint32_t limit);
    void addEndings(const JourneyNetwork& network, std::uint32_t round, std::uint32_t limit,
                    std::uint32_t station, std::uint32_t extra, std::uint32_t walkFrom,
                    std::uint32_t walkIndex);
    // Rebuilds the endings of a round, cheapest first, and keeps the cheapest journey of each
    // sequence of lines that passes no station twice.
    void keepJourneys(const JourneyNetwork& network, std::uint32_t round);
    // The legs of an ending into steps_, or false when every way to it that the labels offer at
    // its cost passes a station twice.
    bool rebuild(const JourneyNetwork& network, const Ending& ending);
    // Adds, last first, the legs of an arrival at `cost` in a round: among every ride and walk
    // into the station that the arrivals of the labels give at exactly that cost (ties
    // included), the first that keeps the stations of the journey apart.
    bool trace(const JourneyNetwork& network, std::uint32_t round, std::uint32_t station,
               bool onFoot, std::uint32_t cost);
    Plan toPlan(const NetworkIndex& index, const JourneyNetwork& network,
                const std::vector<Step>& steps) const;

    std::uint32_t stations_ = 0;
    std::uint32_t search_ = 0;
    std::uint32_t origin_ = 0;
    std::uint32_t destination_ = 0;
    std::vector<Label> labels_;         // (2 × round + walk) × stations + station
    std::vector<std::uint32_t> stamp_;  // per station: the search and round it was touched
    std::vector<std::uint32_t>
        bestRide_;                        // per station: cheapest ride arrival of the rounds so far
    std::vector<std::uint32_t> bestAny_;  // the same for any arrival
    std::vector<std::uint32_t> bestSearch_;  // the search bestRide_ and bestAny_ belong to
    std::uint32_t round_ = 0;                // the round being searched
    std::vector<std::uint32_t> lineStart_;   // per line: earliest stop to scan from this round
    std::vector<std::uint32_t> lineStamp_;
    std::uint32_t roundStamp_ = 0;
    std::vector<std::uint32_t> nearStamp_;        // per station: in nearDestination_ of a search
    std::vector<std::uint32_t> nearDestination_;  // boarding there, a ride reaches the destination
    std::vector<std::uint32_t> marked_;           // stations improved in the round before
    std::vector<std::uint32_t> touched_;          // stations given a label this round
    std::vector<std::uint32_t> lines_;            // lines to scan this round
    std::vector<Ending> endings_;
    std::vector<Step> steps_;
    std::vector<std::uint32_t> visited_;  // the stations of the journey being rebuilt
    // Ties may branch while rebuilding: a bound keeps a pathological network from taking long.
    static constexpr std::uint32_t kTraceBudget = 256;
    std::uint32_t traced_ = 0;
    std::vector<Found> found_;
};

}  // namespace busquery
