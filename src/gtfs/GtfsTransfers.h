#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/ImportSummary.h"

namespace busquery {

// A walk the feed states between the stops of two different stations.
struct StationTransfer {
    std::uint32_t from;  // station numbers of GtfsStops
    std::uint32_t to;
    // min_transfer_time × 1.2 (a walk at 1.2 metres a second); none where the feed gives no time.
    std::optional<std::int64_t> metres;
};

// transfers.txt: the rows of transfer_type 0, 1 or 2 (a transfer one can make on foot) whose
// stops belong to different stations. Type 3 (no transfer possible) and the in-seat types are
// no walks and are passed over; so are transfers within one station, though their
// min_transfer_time is kept among the changes.
// The least time a change from one station to another (or within one) takes, as
// min_transfer_time gives it.
struct StationChange {
    std::uint32_t from;  // station numbers of GtfsStops
    std::uint32_t to;
    std::int64_t seconds;
};

struct GtfsTransfers {
    std::vector<StationTransfer> transfers;  // in file order
    std::vector<StationChange> changes;      // rows with a min_transfer_time, in file order

    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static GtfsTransfers read(CsvTable& table, const GtfsStops& stops, ImportSummary& summary);
};

}  // namespace busquery
