#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "query/ResultPane.h"
#include "query/TransferRouteSearch.h"

namespace busquery {

// The plans shown, as rows of arrPlan: the ten with the lowest C and every further plan whose C
// equals the tenth's, ordered by C; plans with equal C keep the order they were stored in.
std::vector<std::uint32_t> rankPlans(const std::vector<CandidatePlan>& arrPlan);

// A plan as it is shown. S and E still carry the direction words of their lines.
struct PlanText {
    std::string_view S;
    std::string_view M;
    std::string_view E;
    std::int64_t C;
};

// Plan number `number` as one line of the pane: "第n种方案(共约C站)：从 from 坐S在 M 换乘 E到 to".
void writePlan(ResultPane& pane, std::size_t number, const PlanText& plan, std::string_view from,
               std::string_view to);

}  // namespace busquery
