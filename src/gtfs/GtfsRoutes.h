#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/IdMap.h"
#include "gtfs/ImportSummary.h"
#include "gtfs/TransitMode.h"

namespace busquery {

struct GtfsRoute {
    // How the route's line names begin: the short name, else the long name. A number is named
    // as Chinese travellers name a numbered line of the route's mode (12路, 地铁1号线,
    // 无轨电车1路), so that line lookup and its category words find it. Any other name stays as
    // the feed gives it, with the mode's word before it where a route of another mode has the
    // same name.
    std::string name;
    // The route's entry in the line list (table no): the short name, else the long name; the
    // whole name where it carries a mode word, as 1 would list the bus.
    std::string listName;
    std::string number;                     // the short name where it is a number, else empty
    std::string shortName;                  // route_short_name, may be empty
    std::string longName;                   // route_long_name, may be empty
    std::optional<std::int64_t> sortOrder;  // route_sort_order
    TransitMode mode = TransitMode::Bus;
};

struct GtfsRoutes {
    IdMap routeIds;
    std::vector<GtfsRoute> routes;  // by route number

    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static GtfsRoutes read(CsvTable& table, ImportSummary& summary);
};

}  // namespace busquery
