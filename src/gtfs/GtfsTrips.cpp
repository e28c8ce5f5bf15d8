#include "gtfs/GtfsTrips.h"

#include "gtfs/FeedText.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "trips.txt";

}  // namespace

void GtfsTrips::checkColumns(const CsvTable& table) {
    table.requireColumn("route_id");
    table.requireColumn("trip_id");
}

GtfsTrips GtfsTrips::read(CsvTable& table, const GtfsRoutes& routes, ImportSummary& summary) {
    const auto routeColumn = table.requireColumn("route_id");
    const auto idColumn = table.requireColumn("trip_id");
    const auto directionColumn = table.column("direction_id");
    const auto serviceColumn = table.column("service_id");
    const auto headsignColumn = table.column("trip_headsign");

    GtfsTrips trips;
    table.forEachRow([&](const CsvRow& row) {
        std::string_view id = row[idColumn];
        if (id.empty()) {
            summary.skip(kFile, "trip_id 为空", row.line(), "route_id", row[routeColumn]);
            return;
        }
        auto route = routes.routeIds.find(row[routeColumn]);
        if (!route) {
            summary.skip(kFile, "route_id 不存在（或该路线已跳过）", row.line(), "route_id",
                         row[routeColumn]);
            return;
        }
        if (!trips.tripIds.add(id).second) {
            summary.skip(kFile, "trip_id 重复", row.line(), "trip_id", id);
            return;
        }
        std::string_view directionText = row[directionColumn];
        Direction direction = Direction::None;
        if (directionText == "0") {
            direction = Direction::Outbound;
        } else if (directionText == "1") {
            direction = Direction::Inbound;
        } else if (!directionText.empty()) {
            summary.adjust(kFile, "direction_id 无效，按无方向处理", row.line(), "direction_id",
                           directionText);
        }
        std::string_view headsign = row[headsignColumn];
        if (!isValidUtf8(headsign)) {
            summary.adjust(kFile, "trip_headsign 不是 UTF-8，按空处理", row.line(), "trip_headsign",
                           headsign);
            headsign = {};
        }
        trips.route.push_back(*route);
        trips.direction.push_back(direction);
        trips.service.push_back(trips.serviceIds.add(row[serviceColumn]).first);
        trips.headsign.push_back(cleanFeedText(headsign));
    });
    return trips;
}

}  // namespace busquery
