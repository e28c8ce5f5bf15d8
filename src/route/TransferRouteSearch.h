#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "network/NetworkIndex.h"
#include "route/RouteIndex.h"

namespace busquery {

// One row of arrLegS (a station at or after the origin on a line through it) or of arrLegE
// (a station before the destination on a line through it).
struct Leg {
    RouteIndex::NameId station;
    std::string_view line;  // the line's name as the origin's (destination's) Passlnna gives it
    std::uint32_t stops;    // stops between the station and the origin (destination) on the line
    std::uint32_t next = RouteIndex::kNone;  // the next row of the same table at the same station
};

// One row of arrPlan: the plan that changes at M. Its first leg S is every arrLegS row at M, from
// firstS on along the chain of next; its second leg E likewise in arrLegE from firstE.
struct CandidatePlan {
    RouteIndex::NameId M;
    std::uint32_t firstS;
    std::uint32_t firstE;
    std::uint32_t C;  // stops of the first row of S plus those of the first row of E
};

enum class TransferOutcome { NoOrigin, NoDestination, Searched };

// The search for journeys with one change of line. Origin and destination are the first
// stations named from and to (ASCII letter case ignored); their lines are the first lines of the
// city with the names their Passlnna lists, each once per mention. A listed line that does not
// exist, or whose list lacks the station as a whole name, adds nothing. Names the search collects
// are compared exactly.
//
// The tables are kept from one search to the next so that a search allocates nothing once they
// have grown to the network's size; each run starts by emptying them.
class TransferRouteSearch {
  public:
    // from and to are the names' RouteIndex::find, nothing for a name no list or station holds.
    TransferOutcome run(const NetworkIndex& index, std::optional<RouteIndex::FoldedId> from,
                        std::optional<RouteIndex::FoldedId> to);

    std::vector<Leg> arrLegS;
    std::vector<Leg> arrLegE;
    std::vector<RouteIndex::NameId> arrStnaS;  // distinct stations of arrLegS, first come first
    // One per station of arrStnaS that arrLegE reaches too, in the order of arrStnaS.
    std::vector<CandidatePlan> arrPlan;

  private:
    // Where a station stands in a leg table during the search numbered `search`.
    struct Mark {
        std::uint32_t search = 0;
        std::uint32_t first = 0;
        std::uint32_t last = 0;
    };

    void reset(const RouteIndex& routes);
    void insertStS(std::uint32_t row);
    void insertStE(std::uint32_t row);
    // Chains the row to the earlier rows at its station; true when the station is new.
    bool insertStation(std::vector<Leg>& legs, std::vector<Mark>& marks, std::uint32_t row);

    std::vector<Mark> marksS_;
    std::vector<Mark> marksE_;
    std::uint32_t search_ = 0;
};

}  // namespace busquery
