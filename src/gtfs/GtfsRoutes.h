#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/IdMap.h"
#include "gtfs/ImportSummary.h"

namespace busquery {

struct GtfsRoute {
    // How the route's line names begin: the short name, else the long name; a number gets "路"
    // after it, as the bus database names numbered lines, so that line lookup finds it.
    std::string name;
    // The route's entry in the line list (table no): the short name, else the long name.
    std::string listName;
    std::optional<std::int64_t> sortOrder;  // route_sort_order
};

struct GtfsRoutes {
    IdMap routeIds;
    std::vector<GtfsRoute> routes;  // by route number

    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static GtfsRoutes read(CsvTable& table, ImportSummary& summary);
};

}  // namespace busquery
