#include "gtfs/StationWalks.h"

#include <algorithm>
#include <tuple>

#include "gtfs/NearestStations.h"

namespace busquery {
namespace {

// How sure a walk's length is: stated for its own way, stated for the way back, measured.
enum class Source : std::uint8_t { Stated = 0, StatedBack = 1, Measured = 2 };

struct Walk {
    std::uint32_t from;
    std::uint32_t to;
    Source source;
    std::int64_t metres;

    bool operator<(const Walk& other) const {
        return std::tie(from, to, source, metres) <
               std::tie(other.from, other.to, other.source, other.metres);
    }
};

}  // namespace

std::vector<WalkRow> stationWalks(const std::vector<StationRow>& stations,
                                  const std::vector<std::optional<GeoPoint>>& positions,
                                  const std::vector<RowTransfer>& transfers,
                                  ImportSummary& summary) {
    std::vector<GeoPoint> points;
    std::vector<std::uint32_t> rowOfPoint;
    for (std::uint32_t row = 0; row < positions.size(); ++row) {
        if (!positions[row]) continue;
        points.push_back(*positions[row]);
        rowOfPoint.push_back(row);
    }
    const NearestStations nearest =
        NearestStations::find(points, kWalkRadiusMetres, kMostNearbyWalks);
    std::vector<Walk> walks;
    walks.reserve(nearest.neighbours.size() + 2 * transfers.size());
    const std::string* crowded = nullptr;
    std::uint64_t dropped = 0;
    for (std::uint32_t a = 0; a < points.size(); ++a) {
        const std::uint32_t end = nearest.begin[a + 1];
        if (nearest.withinRadius[a] > end - nearest.begin[a]) {
            if (!crowded) crowded = &stations[rowOfPoint[a]].stna;
            dropped += nearest.withinRadius[a] - (end - nearest.begin[a]);
        }
        for (std::uint32_t k = nearest.begin[a]; k < end; ++k) {
            const std::uint32_t b = nearest.neighbours[k];
            walks.push_back(Walk{rowOfPoint[a], rowOfPoint[b], Source::Measured,
                                 walkMetres(points[a], points[b])});
        }
    }
    if (crowded) {
        summary.skipMany(dropped, "stops.txt",
                         "步行可达的站点多于 " + std::to_string(kMostNearbyWalks) +
                             " 个，只连接最近的几个，其余步行连接未导入",
                         "stop_name", *crowded);
    }
    for (const RowTransfer& transfer : transfers) {
        std::int64_t metres = 0;
        if (transfer.metres) {
            metres = *transfer.metres;
        } else if (positions[transfer.from] && positions[transfer.to]) {
            metres = walkMetres(*positions[transfer.from], *positions[transfer.to]);
        } else {
            summary.skip("transfers.txt",
                         "没有 min_transfer_time，站点也没有坐标，无法得出步行距离", 0, "stop_name",
                         stations[transfer.from].stna);
            continue;
        }
        walks.push_back(Walk{transfer.from, transfer.to, Source::Stated, metres});
        walks.push_back(Walk{transfer.to, transfer.from, Source::StatedBack, metres});
    }

    // The surest, then shortest, walk of each pair and way comes first.
    std::sort(walks.begin(), walks.end());
    std::vector<WalkRow> rows;
    for (std::size_t i = 0; i < walks.size(); ++i) {
        if (i > 0 && walks[i].from == walks[i - 1].from && walks[i].to == walks[i - 1].to) continue;
        rows.push_back(
            WalkRow{stations[walks[i].from].stna, stations[walks[i].to].stna, walks[i].metres});
    }
    return rows;
}

}  // namespace busquery
