#include "gtfs/GtfsStops.h"

#include <algorithm>
#include <unordered_map>

#include "gtfs/FeedText.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "stops.txt";
// GTFS nests at most three levels (boarding area, platform, station); a longer chain is a loop.
constexpr int kMaxParentDepth = 8;

struct StopRow {
    std::string name;
    std::string parentId;
    std::string description;
    std::uint64_t line = 0;
};

}  // namespace

void GtfsStops::checkColumns(const CsvTable& table) {
    table.requireColumn("stop_id");
    table.requireColumn("stop_name");
}

GtfsStops GtfsStops::read(CsvTable& table, ImportSummary& summary) {
    const auto idColumn = table.requireColumn("stop_id");
    const auto nameColumn = table.requireColumn("stop_name");
    const auto parentColumn = table.column("parent_station");
    const auto descriptionColumn = table.column("stop_desc");

    GtfsStops stops;
    std::vector<StopRow> rows;
    table.forEachRow([&](const CsvRow& row) {
        std::string_view id = row[idColumn];
        if (id.empty()) {
            summary.skip(kFile, "stop_id 为空", row.line(), "stop_name", row[nameColumn]);
            return;
        }
        if (!isValidUtf8(row[nameColumn]) || !isValidUtf8(row[descriptionColumn])) {
            summary.skip(kFile, "文字不是 UTF-8 编码", row.line(), "stop_id", id);
            return;
        }
        if (!stops.stopIds.add(id).second) {
            summary.skip(kFile, "stop_id 重复", row.line(), "stop_id", id);
            return;
        }
        rows.push_back(StopRow{cleanFeedText(row[nameColumn]), std::string(row[parentColumn]),
                               cleanFeedText(row[descriptionColumn]), row.line()});
    });

    std::unordered_map<std::string, std::uint32_t> stationByKey;
    stops.stationOfStop.assign(rows.size(), kNoStation);
    for (std::uint32_t stop = 0; stop < rows.size(); ++stop) {
        // The name is the one of the highest stop in the parent chain that has a name.
        std::string_view name = rows[stop].name;
        std::uint32_t current = stop;
        for (int depth = 0; depth < kMaxParentDepth && !rows[current].parentId.empty(); ++depth) {
            auto parent = stops.stopIds.find(rows[current].parentId);
            if (!parent) {
                summary.adjust(kFile, "parent_station 不存在，按独立站点导入", rows[current].line,
                               "parent_station", rows[current].parentId);
                break;
            }
            current = *parent;
            if (!rows[current].name.empty()) name = rows[current].name;
        }
        if (name.empty()) {
            summary.skip(kFile, "站名为空", rows[stop].line, "stop_id", stops.stopIds.id(stop));
            continue;
        }
        auto [it, added] = stationByKey.try_emplace(
            asciiLower(name), static_cast<std::uint32_t>(stops.stationNames.size()));
        if (added) {
            stops.stationNames.emplace_back(name);
            stops.stationDescriptions.emplace_back();
        }
        stops.stationOfStop[stop] = it->second;
        std::vector<std::string>& descriptions = stops.stationDescriptions[it->second];
        const std::string& description = rows[stop].description;
        if (!description.empty() && std::find(descriptions.begin(), descriptions.end(),
                                              description) == descriptions.end()) {
            descriptions.push_back(description);
        }
    }
    return stops;
}

}  // namespace busquery
