#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsRoutes.h"
#include "gtfs/IdMap.h"
#include "gtfs/ImportSummary.h"

namespace busquery {

// direction_id of a trip; None where the feed gives no direction.
enum class Direction : std::uint8_t { Outbound = 0, Inbound = 1, None = 2 };

struct GtfsTrips {
    IdMap tripIds;
    std::vector<std::uint32_t> route;    // by trip number: the route number
    std::vector<Direction> direction;    // by trip number
    IdMap serviceIds;                    // service_id, numbered as first met
    std::vector<std::uint32_t> service;  // by trip number: the service number
    std::vector<std::string> headsign;   // by trip number: trip_headsign, cleaned

    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static GtfsTrips read(CsvTable& table, const GtfsRoutes& routes, ImportSummary& summary);
};

}  // namespace busquery
