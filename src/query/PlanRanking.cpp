#include "query/PlanRanking.h"

#include <algorithm>
#include <string>

#include "query/DirectionWords.h"

namespace busquery {
namespace {

constexpr std::size_t kPlansShown = 10;

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

void writePlan(ResultPane& pane, std::size_t number, const PlanText& plan, std::string_view from,
               std::string_view to) {
    pane.setColour(colours::kStationBlue);
    pane.append("第" + std::to_string(number) + "种方案(共约" + std::to_string(plan.C) + "站)：");
    pane.setColour(colours::kBlack);
    pane.append("从 ");
    pane.setColour(colours::kPurple);
    pane.append(from);
    pane.setColour(colours::kBlack);
    pane.append(" 坐" + withoutDirectionWords(plan.S) + "在");
    pane.setColour(colours::kRed);
    pane.append(" " + std::string(plan.M));
    pane.setColour(colours::kPurple);
    pane.append(" 换乘 ");
    pane.setColour(colours::kBlack);
    pane.append(withoutDirectionWords(plan.E) + "到 ");
    pane.setColour(colours::kPurple);
    pane.append(std::string(to) + "\r\n");
}

}  // namespace busquery
