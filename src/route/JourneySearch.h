#pragma once

#include <cstdint>
#include <vector>

#include "network/NetworkIndex.h"
#include "route/JourneyNetwork.h"
#include "route/JourneySearchState.h"
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
// The search works in a JourneySearchState its caller owns and keeps; the journeys are rebuilt
// from the labels by JourneyRebuild, which also checks each of them.
class JourneySearch {
  public:
    static constexpr std::uint32_t kMaxRides = JourneySearchState::kMaxRides;
    static constexpr std::size_t kMaxJourneys = 10;
    // Journeys with one ride more than the fewest must cost at least this much less.
    static constexpr std::uint32_t kSavingForAnotherRide = 3;

    explicit JourneySearch(JourneySearchState& state) : s_(state) {}

    // The journeys, fewest rides first, then lowest cost, then by their lines in table order;
    // each has a sequence of lines of its own, passes no station twice and never rides a line
    // right after itself. Plan::C is the number of stops ridden. Empty when no journey of at
    // most kMaxRides rides exists.
    std::vector<Plan> run(const NetworkIndex& index, RouteIndex::FoldedId origin,
                          RouteIndex::FoldedId destination);

  private:
    using Label = JourneySearchState::Label;
    using Boarding = JourneySearchState::Boarding;
    using Ending = JourneySearchState::Ending;
    using Step = JourneySearchState::Step;
    using Found = JourneySearchState::Found;
    using Onward = JourneySearchState::Onward;
    static constexpr std::uint32_t kNone = JourneySearchState::kNone;
    static constexpr std::uint32_t kLevels = JourneySearchState::kLevels;
    static constexpr std::uint32_t kNearLevels = JourneySearchState::kNearLevels;
    static constexpr std::uint16_t kFar = JourneySearchState::kFar;
    static constexpr std::uint8_t kUnset = JourneySearchState::kUnset;
    static constexpr Onward kNoWay = JourneySearchState::kNoWay;

    void reset(const JourneyNetwork& network);
    void startPass();
    // The stations from which `level` rides (and walks) reach the destination, and at what
    // cost; for the near levels also the last stop of each line at such a station.
    void addLevel(const JourneyNetwork& network, std::uint32_t level);
    // The fewest rides on to the destination, boarding at the station or maybe walking first; a
    // station of no level found is at least levelsKnown rides away.
    std::uint32_t levelOf(std::uint32_t station, bool boarding = false) const {
        const std::uint8_t level = (boarding ? s_.fewestBoarding : s_.fewest)[station];
        return level != kUnset ? level : s_.levelsKnown;
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
    // finds to the state's found.
    void searchPass(const JourneyNetwork& network, std::uint32_t rides, std::uint32_t limit);
    // The cheapest arrival of a round to board from, and whether it was on foot; kNone if none.
    std::uint32_t boardingCost(std::uint32_t round, std::uint32_t station, bool& fromWalk);

    // The lines through the stations into the state's lines, each once, and in lineStart its
    // earliest stop at one of them, or its latest.
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
    // sequence of lines that passes the rebuild's check.
    void keepJourneys(const JourneyNetwork& network, std::uint32_t round);

    JourneySearchState& s_;
};

}  // namespace busquery
