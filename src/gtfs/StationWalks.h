#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gtfs/ImportSummary.h"
#include "store/BusDatabaseWriter.h"
#include "store/StationGeometry.h"

namespace busquery {

// A walk transfers.txt states, between two station rows.
struct RowTransfer {
    std::uint32_t from;
    std::uint32_t to;
    std::optional<std::int64_t> metres;  // from min_transfer_time, where the feed gives one
};

// A station walks to no more than this many others by distance alone: where stations crowd
// together, walks to all of them would grow with the square of their number.
inline constexpr std::uint32_t kMostNearbyWalks = 8;

// The walks between stations, one row for each way, ordered by the station rows they go from
// and to. A station walks to its kMostNearbyWalks nearest others within kWalkRadiusMetres
// (walkMetres); the walks to others within reach are counted as skipped. A stated transfer adds
// the walk both ways, or sets its length: a transfer the feed states for that way wins over one
// stated for the way back, which wins over the distance; of several, the shortest. A transfer
// without a time between stations without positions cannot be measured and is counted as
// skipped.
std::vector<WalkRow> stationWalks(const std::vector<StationRow>& stations,
                                  const std::vector<std::optional<GeoPoint>>& positions,
                                  const std::vector<RowTransfer>& transfers,
                                  ImportSummary& summary);

}  // namespace busquery
