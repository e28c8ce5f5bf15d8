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
// The search meets itself in the middle. From the destination backwards it first learns, for
// the stations up to two rides away, how many rides they are from it and the fewest stops (and
// walks, counted as in the cost) that take it there with so many rides. A pass for journeys of
// exactly n rides then keeps only the arrivals that can still reach the destination within n,
// and scans each line only up to its last stop where one may. Passes for n = 1, 2, … run until
// one finds a journey. The journeys with one ride more, which must save kSavingForAnotherRide,
// come from one more pass that also drops every arrival whose cost plus the least it still
// costs exceeds what such a journey may cost.
//
// The arrays are sized once per network and kept from one search to the next. A pass clears
// the labels it set; other marks carry the number of the query, pass or round they belong to.
class JourneySearch {
  public:
    static constexpr std::uint32_t kMaxRides = 5;
    static constexpr std::size_t kMaxJourneys = 10;
    // Journeys with one ride more than the fewest must cost at least this much less.
    static constexpr std::uint32_t kSavingForAnotherRide = 3;

    // The journeys, fewest rides first, then lowest cost, then by their lines in table order;
    // each has a sequence of lines of its own and passes no station twice. Plan::C is the number
    // of stops ridden. Empty when no journey of at most kMaxRides rides exists.
    std::vector<Plan> run(const NetworkIndex& index, RouteIndex::FoldedId origin,
                          RouteIndex::FoldedId destination);

  private:
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

    void reset(const JourneyNetwork& network);
    void startPass();
    // The stations from which `level` rides (and walks) reach the destination, and at what
    // cost; for the near levels also the last stop of each line at such a station.
    void addLevel(const JourneyNetwork& network, std::uint32_t level);
    // The fewest rides on to the destination, boarding at the station or maybe walking first; a
    // station of no level found is at least levelsKnown_ rides away.
    std::uint32_t levelOf(std::uint32_t station, bool boarding = false) const {
        const std::uint8_t level = (boarding ? fewestBoarding_ : fewest_)[station];
        return level != kUnset ? level : levelsKnown_;
    }
    // The cheapest cost on found with at most `rides` rides, or what any longer way costs at
    // least; `onFoot` when the station was reached by a walk and must be left by a ride.
    std::uint32_t costOn(std::uint32_t station, std::uint32_t rides, bool onFoot) const;
    // One past the last position of a line that an arrival with `rides` rides to go may use.
    std::uint32_t scanEnd(const JourneyNetwork& network, std::uint32_t line,
                          std::uint32_t rides) const;
    // Whether an arrival at a station after `round` rides at `cost` may be part of a journey of
    // this pass.
    bool wanted(std::uint32_t round, std::uint32_t station, std::uint32_t cost, bool onFoot) const;
    // One pass for journeys of exactly `rides` rides that cost at most `limit`; adds those it
    // finds to found_.
    void searchPass(const JourneyNetwork& network, std::uint32_t rides, std::uint32_t limit);
    Label& ride(std::uint32_t round, std::uint32_t station) {
        return labels_[kLabelsPerStation * station + 2 * round];
    }
    Label& walk(std::uint32_t round, std::uint32_t station) {
        return labels_[kLabelsPerStation * station + 2 * round + 1];
    }
    Boarding& boarding(std::uint32_t round, std::uint32_t station) {
        return boardings_[round * stations_ + station];
    }
    bool has(const Label& label) const { return label.cost != UINT32_MAX; }
    // Gives a label its cost, noting it to be cleared when the next pass starts.
    void set(Label& label, std::uint32_t cost) {
        if (!has(label)) labelled_.push_back(static_cast<std::uint32_t>(&label - labels_.data()));
        label.cost = cost;
    }
    // The cheapest arrival of a round to board from, and whether it was on foot; kNone if none.
    std::uint32_t boardingCost(std::uint32_t round, std::uint32_t station, bool& fromWalk);

    // The lines through the stations into lines_, each once, and in lineStart_ its earliest stop
    // at one of them, or its latest.
    void gatherLines(const JourneyNetwork& network, const std::vector<std::uint32_t>& stations,
                     bool latest);
    void scanRound(const JourneyNetwork& network, std::uint32_t round);
    void walkRound(const JourneyNetwork& network, std::uint32_t round);
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
    // Adds, last first, the legs of an arrival at `cost` in a round: the ride that set its label,
    // or else, among every ride and walk into the station that the arrivals of the labels give
    // at exactly that cost (ties included), the first that keeps the stations of the journey
    // apart.
    bool trace(const JourneyNetwork& network, std::uint32_t round, std::uint32_t station,
               bool onFoot, std::uint32_t cost);
    Plan toPlan(const NetworkIndex& index, const JourneyNetwork& network,
                const std::vector<Step>& steps) const;

    std::uint32_t stations_ = 0;
    std::uint32_t query_ = 0;   // one per run
    std::uint32_t search_ = 0;  // one per pass
    std::uint32_t passRides_ = 0;
    std::uint32_t passLimit_ = 0;  // UINT32_MAX: no limit
    std::uint32_t origin_ = 0;
    std::uint32_t destination_ = 0;
    // The labels of a station, by ride and on foot in every round, fill one cache line: a scan
    // reads those of two rounds at every stop.
    static constexpr std::size_t kLabelsPerStation = 16;
    static_assert(kLabelsPerStation >= 2 * (kMaxRides + 1));
    std::vector<Label> labels_;            // kLabelsPerStation × station + 2 × round + walk
    std::vector<std::uint32_t> labelled_;  // the labels this pass has set
    std::vector<Boarding> boardings_;      // round × stations + station: of the ride labels
    std::vector<std::uint32_t> stamp_;     // per station: the search and round it was touched
    std::vector<std::uint32_t>
        bestRide_;                        // per station: cheapest ride arrival of the rounds so far
    std::vector<std::uint32_t> bestAny_;  // the same for any arrival
    std::vector<std::uint32_t> bestSearch_;  // the search bestRide_ and bestAny_ belong to
    std::uint32_t round_ = 0;                // the round being searched
    std::vector<std::uint32_t> lineStart_;   // per line: the stop gatherLines found
    std::vector<std::uint32_t> lineStamp_;
    std::uint32_t roundStamp_ = 0;
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
    std::vector<Onward> onward_;
    std::vector<std::uint8_t> fewest_;  // per station: the fewest rides of any way on, or kUnset
    std::vector<std::uint8_t> fewestBoarding_;      // the same, boarding there
    std::vector<std::uint32_t> leveled_;            // the stations whose onward_ this query changed
    std::uint32_t levelsKnown_ = 0;                 // levels found in this query
    std::vector<std::uint32_t> improved_[kLevels];  // the stations `any` improved at a level
    // level × lines + line: for the near levels, which have few stations, the last stop at a
    // station of that level, kept as stations are found; for the others, found when first
    // asked, the end of the scan for that level or a nearer one.
    mutable std::vector<std::uint32_t> lastStop_;
    mutable std::vector<std::uint32_t> lastStopStamp_;
    std::vector<std::uint32_t> marked_;   // stations improved in the round before
    std::vector<std::uint32_t> touched_;  // stations given a label this round
    std::vector<std::uint32_t> lines_;    // lines to scan this round, or backwards for a level
    std::vector<Ending> endings_;
    std::vector<Step> steps_;
    std::vector<std::uint32_t> visited_;  // the stations of the journey being rebuilt
    // Ties may branch while rebuilding: a bound keeps a pathological network from taking long.
    static constexpr std::uint32_t kTraceBudget = 256;
    std::uint32_t traced_ = 0;
    std::vector<Found> found_;
};

}  // namespace busquery
