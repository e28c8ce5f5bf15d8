#pragma once

#include <cstdint>
#include <vector>

#include "network/NetworkIndex.h"
#include "route/JourneyNetwork.h"
#include "route/JourneySearchState.h"
#include "route/Plan.h"

namespace busquery {

// Rebuilds a journey from the labels a pass of the journey search left in the state: the legs
// are not stored with the labels but found again from their costs.
class JourneyRebuild {
  public:
    using Ending = JourneySearchState::Ending;

    JourneyRebuild(const JourneyNetwork& network, JourneySearchState& state)
        : network_(network), s_(state) {}

    // The legs of an ending into state.steps, in travelling order; false when every way to it
    // that the labels offer at its cost passes a station twice or rides a line right after
    // itself. This is the final check of every journey the search lists.
    bool rebuild(const Ending& ending);

  private:
    using Label = JourneySearchState::Label;
    using Boarding = JourneySearchState::Boarding;
    using Step = JourneySearchState::Step;
    static constexpr std::uint32_t kNone = JourneySearchState::kNone;
    static constexpr std::uint32_t kTraceBudget = JourneySearchState::kTraceBudget;

    // Adds, last first, the legs of an arrival at `cost` in a round: the ride that set its label,
    // or else, among every ride and walk into the station that the arrivals of the labels give
    // at exactly that cost (ties included), the first that keeps the stations of the journey
    // apart and does not ride the line of the ride after it.
    bool trace(std::uint32_t round, std::uint32_t station, bool onFoot, std::uint32_t cost);

    const JourneyNetwork& network_;
    JourneySearchState& s_;
};

// A rebuilt journey as a plan, its stations and lines named as the tables name them.
Plan journeyPlan(const NetworkIndex& index, const JourneyNetwork& network,
                 const std::vector<JourneySearchState::Step>& steps);

}  // namespace busquery
