#include "gtfs/GtfsFrequencies.h"

#include <algorithm>

#include "gtfs/FeedText.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "frequencies.txt";

}  // namespace

void GtfsFrequencies::checkColumns(const CsvTable& table) {
    for (const char* column : {"trip_id", "start_time", "end_time", "headway_secs"}) {
        table.requireColumn(column);
    }
}

GtfsFrequencies GtfsFrequencies::read(CsvTable& table, const GtfsTrips& trips,
                                      ImportSummary& summary) {
    const auto tripColumn = table.requireColumn("trip_id");
    const auto startColumn = table.requireColumn("start_time");
    const auto endColumn = table.requireColumn("end_time");
    const auto headwayColumn = table.requireColumn("headway_secs");

    GtfsFrequencies frequencies;
    table.forEachRow([&](const CsvRow& row) {
        auto trip = trips.tripIds.find(row[tripColumn]);
        if (!trip) {
            summary.skip(kFile, "trip_id 不存在（或该班次已跳过）", row.line(), "trip_id",
                         row[tripColumn]);
            return;
        }
        auto start = parseGtfsTime(row[startColumn]);
        auto end = parseGtfsTime(row[endColumn]);
        if (!start || !end) {
            const bool startBad = !start;
            summary.skip(kFile, "时间格式无效", row.line(), startBad ? "start_time" : "end_time",
                         row[startBad ? startColumn : endColumn]);
            return;
        }
        if (*end <= *start) {
            summary.skip(kFile, "结束时间不晚于开始时间", row.line(), "end_time", row[endColumn]);
            return;
        }
        auto headway = readFeedInteger(row[headwayColumn]);
        if (!headway || *headway <= 0) {
            summary.skip(kFile, "headway_secs 无效", row.line(), "headway_secs",
                         row[headwayColumn]);
            return;
        }
        auto last = static_cast<ServiceSeconds>(*start + (*end - *start - 1) / *headway * *headway);
        frequencies.departures[*trip].include(*start, last);
        // The timetable counts whole minutes: trips closer than that would be the same trip.
        if (*headway < 60) {
            summary.adjust(kFile, "headway_secs 小于 60，时刻表按每分钟一班计", row.line(),
                           "headway_secs", row[headwayColumn]);
        }
        frequencies.runs[*trip].push_back(FrequencyRun{
            *start, *end, static_cast<ServiceSeconds>(std::max<std::int64_t>(*headway, 60))});
    });
    return frequencies;
}

}  // namespace busquery
