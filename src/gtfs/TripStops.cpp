#include "gtfs/TripStops.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include "gtfs/FeedText.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "stop_times.txt";

// Rows are kept in blocks rather than one growing array, so the store never needs twice its
// size while it grows.
constexpr std::size_t kBlockRows = std::size_t{1} << 20;

struct RowRecord {
    std::uint32_t trip;
    StopVisit visit;
};

std::optional<std::uint32_t> readSequence(std::string_view text) {
    auto value = readFeedInteger(text);
    if (!value || *value < 0 || *value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

}  // namespace

void TripStops::checkColumns(const CsvTable& table) {
    for (const char* column : {"trip_id", "stop_id", "stop_sequence"}) table.requireColumn(column);
}

TripStops TripStops::read(CsvTable& table, const GtfsStops& stops, const GtfsTrips& trips,
                          ImportSummary& summary, const ReadProgress& progress) {
    const auto tripColumn = table.requireColumn("trip_id");
    const auto stopColumn = table.requireColumn("stop_id");
    const auto sequenceColumn = table.requireColumn("stop_sequence");
    const auto departureColumn = table.column("departure_time");
    const auto arrivalColumn = table.column("arrival_time");

    const std::size_t tripCount = trips.tripIds.size();
    TripStops result;
    result.firstDeparture_.assign(tripCount, -1);
    std::vector<std::uint64_t> rowsOfTrip(tripCount, 0);
    std::vector<std::uint32_t> firstSequence(tripCount, std::numeric_limits<std::uint32_t>::max());
    std::vector<std::vector<RowRecord>> blocks;

    // Feeds list a trip's rows together: remembering the last trip saves most lookups.
    std::string lastTripId;
    std::optional<std::uint32_t> lastTrip;

    table.forEachRow(
        [&](const CsvRow& row) {
            std::string_view tripId = row[tripColumn];
            if (!lastTrip || tripId != lastTripId) {
                lastTrip = trips.tripIds.find(tripId);
                lastTripId = tripId;
            }
            if (!lastTrip) {
                summary.skip(kFile, "trip_id 不存在（或该班次已跳过）", row.line(), "trip_id",
                             tripId);
                return;
            }
            auto stop = stops.stopIds.find(row[stopColumn]);
            if (!stop || stops.stationOfStop[*stop] == GtfsStops::kNoStation) {
                summary.skip(kFile, "stop_id 不存在（或该站点已跳过）", row.line(), "stop_id",
                             row[stopColumn]);
                return;
            }
            auto sequence = readSequence(row[sequenceColumn]);
            if (!sequence) {
                summary.skip(kFile, "stop_sequence 无效", row.line(), "stop_sequence",
                             row[sequenceColumn]);
                return;
            }
            ServiceSeconds times[2] = {-1, -1};
            for (int which = 0; which < 2; ++which) {
                const bool arrival = which == 0;
                std::string_view text = row[arrival ? arrivalColumn : departureColumn];
                if (text.empty()) continue;
                auto parsed = parseGtfsTime(text);
                if (!parsed) {
                    summary.skip(kFile, "时间格式无效", row.line(),
                                 arrival ? "arrival_time" : "departure_time", text);
                    return;
                }
                times[which] = *parsed;
            }
            if (times[0] < 0) times[0] = times[1];
            if (times[1] < 0) times[1] = times[0];
            // The departure wins over the arrival as the time the trip starts.
            const ServiceSeconds time = times[1];

            const std::uint32_t trip = *lastTrip;
            if (blocks.empty() || blocks.back().size() == kBlockRows) {
                blocks.emplace_back().reserve(kBlockRows);
            }
            blocks.back().push_back(RowRecord{
                trip, StopVisit{*sequence, stops.stationOfStop[*stop], times[0], times[1]}});
            ++rowsOfTrip[trip];
            // The first row with the lowest stop_sequence is the one kept below.
            if (*sequence < firstSequence[trip]) {
                firstSequence[trip] = *sequence;
                result.firstDeparture_[trip] = time;
            }
        },
        progress);

    // Group the rows by trip, keeping file order within a trip, freeing each block once moved.
    result.begin_.assign(tripCount + 1, 0);
    for (std::size_t trip = 0; trip < tripCount; ++trip) {
        result.begin_[trip + 1] = result.begin_[trip] + rowsOfTrip[trip];
    }
    result.visits_.resize(result.begin_[tripCount]);
    std::vector<std::uint64_t>& cursor = rowsOfTrip;
    std::copy(result.begin_.begin(), result.begin_.end() - 1, cursor.begin());
    for (std::vector<RowRecord>& block : blocks) {
        for (const RowRecord& record : block) {
            result.visits_[cursor[record.trip]++] = record.visit;
        }
        std::vector<RowRecord>().swap(block);
    }

    // Order each trip by stop_sequence; of rows with the same stop_sequence the first stays.
    auto bySequence = [](const StopVisit& a, const StopVisit& b) {
        return a.sequence < b.sequence;
    };
    std::uint64_t kept = 0;
    for (std::size_t trip = 0; trip < tripCount; ++trip) {
        auto first = result.visits_.begin() + static_cast<std::ptrdiff_t>(result.begin_[trip]);
        auto last = result.visits_.begin() + static_cast<std::ptrdiff_t>(result.begin_[trip + 1]);
        if (!std::is_sorted(first, last, bySequence)) std::stable_sort(first, last, bySequence);
        result.begin_[trip] = kept;
        std::optional<std::uint32_t> previous;
        for (auto it = first; it != last; ++it) {
            if (previous == it->sequence) {
                summary.skip(kFile, "同一班次的 stop_sequence 重复", 0, "trip_id",
                             trips.tripIds.id(static_cast<std::uint32_t>(trip)));
                continue;
            }
            previous = it->sequence;
            result.visits_[kept++] = *it;
        }
    }
    result.begin_[tripCount] = kept;
    result.visits_.resize(kept);
    return result;
}

}  // namespace busquery
