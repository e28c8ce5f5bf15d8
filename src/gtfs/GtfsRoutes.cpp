#include "gtfs/GtfsRoutes.h"

#include <unordered_map>

#include "gtfs/FeedText.h"
#include "store/Error.h"
#include "text/AsciiCase.h"
#include "text/NumericText.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "routes.txt";

// Names every route once all are read: whether a name needs its mode word depends on the
// routes of other modes.
void nameRoutes(std::vector<GtfsRoute>& routes) {
    constexpr std::uint8_t kManyModes = 0xFE;
    std::unordered_map<std::string, std::uint8_t> modeOfName;
    for (const GtfsRoute& route : routes) {
        auto mode = static_cast<std::uint8_t>(route.mode);
        auto [it, added] = modeOfName.try_emplace(asciiLower(route.listName), mode);
        if (!added && it->second != mode) it->second = kManyModes;
    }
    for (GtfsRoute& route : routes) {
        if (isNumericText(route.listName)) {
            route.number = route.listName;
            route.name = numberedLineName(route.mode, route.listName);
        } else if (modeOfName[asciiLower(route.listName)] == kManyModes) {
            route.name = std::string(modeWord(route.mode)) + route.listName;
        } else {
            route.name = route.listName;
        }
        if (route.mode != TransitMode::Bus) route.listName = route.name;
    }
}

}  // namespace

void GtfsRoutes::checkColumns(const CsvTable& table) {
    table.requireColumn("route_id");
    if (!table.column("route_short_name") && !table.column("route_long_name")) {
        throw Error(ErrorKind::FeedFileMissing,
                    {"%1 缺少必需的列 route_short_name（或 route_long_name）",
                     {ErrorText::value(table.fileName())}});
    }
}

GtfsRoutes GtfsRoutes::read(CsvTable& table, ImportSummary& summary) {
    checkColumns(table);
    const auto idColumn = table.requireColumn("route_id");
    const auto shortColumn = table.column("route_short_name");
    const auto longColumn = table.column("route_long_name");
    const auto sortColumn = table.column("route_sort_order");
    const auto typeColumn = table.column("route_type");

    GtfsRoutes routes;
    table.forEachRow([&](const CsvRow& row) {
        std::string_view id = row[idColumn];
        if (id.empty()) {
            summary.skip(kFile, "route_id 为空", row.line(), "route_short_name", row[shortColumn]);
            return;
        }
        if (!isValidUtf8(row[shortColumn]) || !isValidUtf8(row[longColumn])) {
            summary.skip(kFile, "文字不是 UTF-8 编码", row.line(), "route_id", id);
            return;
        }
        for (auto [text, field] : {std::pair{row[shortColumn], "route_short_name"},
                                   std::pair{row[longColumn], "route_long_name"}}) {
            if (hasControlCharacters(text)) {
                summary.adjust(kFile, kControlsDropped, row.line(), field, text);
            }
        }
        GtfsRoute route;
        route.shortName = cleanFeedText(row[shortColumn]);
        route.listName = route.shortName;
        route.longName = cleanFeedText(row[longColumn]);
        if (route.listName.empty()) route.listName = route.longName;
        if (route.listName.empty()) {
            summary.skip(kFile, "线路名称为空", row.line(), "route_id", id);
            return;
        }
        if (!routes.routeIds.add(id).second) {
            summary.skip(kFile, "route_id 重复", row.line(), "route_id", id);
            return;
        }
        std::string_view sortText = row[sortColumn];
        if (!sortText.empty()) {
            route.sortOrder = readFeedInteger(sortText);
            if (!route.sortOrder) {
                summary.adjust(kFile, "route_sort_order 无效，按未给出处理", row.line(),
                               "route_sort_order", sortText);
            }
        }
        std::string_view typeText = row[typeColumn];
        std::optional<std::int64_t> type;
        if (!typeText.empty()) {
            type = readFeedInteger(typeText);
            if (!type) {
                summary.adjust(kFile, "route_type 无效，按公交处理", row.line(), "route_type",
                               typeText);
            }
        }
        route.mode = transitModeOf(type);
        routes.routes.push_back(std::move(route));
    });
    nameRoutes(routes.routes);
    return routes;
}

}  // namespace busquery
