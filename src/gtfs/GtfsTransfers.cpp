#include "gtfs/GtfsTransfers.h"

#include <cmath>

#include "gtfs/FeedText.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "transfers.txt";
constexpr double kWalkMetresPerSecond = 1.2;
// No transfer takes a day; a longer time is a fault of the feed.
constexpr std::int64_t kLongestTransferSeconds = 24 * 3600;

}  // namespace

void GtfsTransfers::checkColumns(const CsvTable& table) {
    table.requireColumn("from_stop_id");
    table.requireColumn("to_stop_id");
}

GtfsTransfers GtfsTransfers::read(CsvTable& table, const GtfsStops& stops, ImportSummary& summary) {
    const auto fromColumn = table.requireColumn("from_stop_id");
    const auto toColumn = table.requireColumn("to_stop_id");
    const auto typeColumn = table.column("transfer_type");
    const auto timeColumn = table.column("min_transfer_time");

    GtfsTransfers result;
    table.forEachRow([&](const CsvRow& row) {
        std::string_view typeText = row[typeColumn];
        auto type = typeText.empty() ? std::optional<std::int64_t>(0) : readFeedInteger(typeText);
        if (!type || *type < 0 || *type > 5) {
            summary.skip(kFile, "transfer_type 无效", row.line(), "transfer_type", typeText);
            return;
        }
        if (*type > 2) return;
        std::optional<std::uint32_t> stations[2];
        for (int end = 0; end < 2; ++end) {
            std::string_view id = row[end == 0 ? fromColumn : toColumn];
            auto stop = stops.stopIds.find(id);
            if (!stop || stops.stationOfStop[*stop] == GtfsStops::kNoStation) {
                summary.skip(kFile, "stop_id 不存在（或该站点已跳过）", row.line(),
                             end == 0 ? "from_stop_id" : "to_stop_id", id);
                return;
            }
            stations[end] = stops.stationOfStop[*stop];
        }
        std::optional<std::int64_t> metres;
        std::string_view timeText = row[timeColumn];
        if (!timeText.empty()) {
            auto seconds = readFeedInteger(timeText);
            if (seconds && *seconds >= 0 && *seconds <= kLongestTransferSeconds) {
                metres = std::llround(static_cast<double>(*seconds) * kWalkMetresPerSecond);
                result.changes.push_back(StationChange{*stations[0], *stations[1], *seconds});
            } else if (*stations[0] != *stations[1]) {
                summary.adjust(kFile, "min_transfer_time 无效，按距离计算", row.line(),
                               "min_transfer_time", timeText);
            }
        }
        if (*stations[0] == *stations[1]) return;
        result.transfers.push_back(StationTransfer{*stations[0], *stations[1], metres});
    });
    return result;
}

}  // namespace busquery
