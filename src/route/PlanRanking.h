#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "route/Plan.h"
#include "route/RouteIndex.h"
#include "route/TransferRouteSearch.h"

namespace busquery {

// The plans shown, as rows of arrPlan: the ten with the lowest C and every further plan whose C
// equals the tenth's, ordered by C; plans with equal C keep the order they were stored in.
std::vector<std::uint32_t> rankPlans(const std::vector<CandidatePlan>& arrPlan);

// The shown plans of a finished one-change search, in ranking order: a ride on the lines of S
// from `from` to the transfer station, then a ride on the lines of E to `to`.
std::vector<Plan> rankedPlans(const TransferRouteSearch& search, const RouteIndex& routes,
                              std::string_view from, std::string_view to);

}  // namespace busquery
