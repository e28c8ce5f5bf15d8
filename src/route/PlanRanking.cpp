#include "route/PlanRanking.h"

#include <algorithm>
#include <string>

namespace busquery {
namespace {

constexpr std::size_t kPlansShown = 10;

// The lines of one leg: every row of the chain from first, in the order they were collected.
std::vector<RideLine> rideLines(const std::vector<Leg>& legs, std::uint32_t first) {
    std::vector<RideLine> lines;
    for (std::uint32_t row = first; row != RouteIndex::kNone; row = legs[row].next) {
        lines.push_back(RideLine{std::string(legs[row].line), legs[row].stops});
    }
    return lines;
}

}  // namespace

std::vector<std::uint32_t> rankPlans(const std::vector<CandidatePlan>& arrPlan) {
    // Every plan whose C is at most the tenth lowest is shown: that is the ten plus the ties.
    std::uint32_t limit = UINT32_MAX;
    if (arrPlan.size() > kPlansShown) {
        std::vector<std::uint32_t> counts;
        counts.reserve(arrPlan.size());
        for (const auto& plan : arrPlan) counts.push_back(plan.C);
        std::nth_element(counts.begin(), counts.begin() + (kPlansShown - 1), counts.end());
        limit = counts[kPlansShown - 1];
    }

    std::vector<std::uint32_t> shown;
    for (std::uint32_t row = 0; row < arrPlan.size(); ++row) {
        if (arrPlan[row].C <= limit) shown.push_back(row);
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return arrPlan[a].C < arrPlan[b].C; });
    return shown;
}

std::vector<Plan> rankedPlans(const TransferRouteSearch& search, const RouteIndex& routes,
                              std::string_view from, std::string_view to) {
    std::vector<Plan> plans;
    for (std::uint32_t row : rankPlans(search.arrPlan)) {
        const CandidatePlan& candidate = search.arrPlan[row];
        const std::string& M = routes.names[candidate.M];
        Plan plan{candidate.C, {}};
        for (auto [legs, first, a, b] :
             {std::tuple{&search.arrLegS, candidate.firstS, std::string(from), M},
              std::tuple{&search.arrLegE, candidate.firstE, M, std::string(to)}}) {
            PlanLeg leg{PlanLeg::Kind::Ride, rideLines(*legs, first), a, b, 0, 0};
            leg.stops = leg.lines.front().stops;
            plan.legs.push_back(std::move(leg));
        }
        plans.push_back(std::move(plan));
    }
    return plans;
}

}  // namespace busquery
