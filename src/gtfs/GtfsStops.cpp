#include "gtfs/GtfsStops.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <tuple>
#include <unordered_map>

#include "gtfs/FeedText.h"
#include "text/AsciiCase.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "stops.txt";
// GTFS nests at most three levels (boarding area, platform, station); a longer chain is a loop.
constexpr int kMaxParentDepth = 8;
constexpr std::uint32_t kNone = GtfsStops::kNoStation;

struct StopRow {
    std::string name;
    std::string parentId;
    std::string description;
    std::string zone;
    std::optional<GeoPoint> position;
    std::uint64_t line = 0;
};

// A place: the stops under one top of a parent chain that go by one name.
struct Place {
    std::uint32_t nameGroup = 0;
    std::uint32_t stops = 0;
    std::uint32_t positioned = 0;
    GeoPoint sum;
};

std::optional<double> readDegrees(std::string_view text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The stop's position; none where the feed leaves it out, and none for 0,0, which feeds write
// for a stop they have no position for.
std::optional<GeoPoint> readPosition(std::string_view latText, std::string_view lonText,
                                     const CsvRow& row, ImportSummary& summary) {
    if (latText.empty() && lonText.empty()) return std::nullopt;
    auto lat = readDegrees(latText);
    auto lon = readDegrees(lonText);
    if (!lat || !lon || std::abs(*lat) > 90 || std::abs(*lon) > 180) {
        summary.adjust(kFile, "stop_lat/stop_lon 无效，按无坐标处理", row.line(), "stop_lat",
                       latText);
        return std::nullopt;
    }
    if (*lat == 0 && *lon == 0) return std::nullopt;
    return GeoPoint{*lat, *lon};
}

class UnionFind {
  public:
    explicit UnionFind(std::size_t size) : parent_(size) {
        std::iota(parent_.begin(), parent_.end(), 0u);
    }
    std::uint32_t find(std::uint32_t x) {
        while (parent_[x] != x) x = parent_[x] = parent_[parent_[x]];
        return x;
    }
    void join(std::uint32_t a, std::uint32_t b) {
        a = find(a);
        b = find(b);
        if (a != b) parent_[std::max(a, b)] = std::min(a, b);
    }

  private:
    std::vector<std::uint32_t> parent_;
};

GeoPoint positionOf(const Place& place) {
    return {place.sum.lat / place.positioned, place.sum.lon / place.positioned};
}

// Splits places that chain into one group until every place lies within kSameStationMetres of
// its part's position, the mean of the part's stops: the place farthest from that position and
// the place farthest from it seed two parts, and every place joins the nearer seed.
std::vector<std::vector<std::uint32_t>> splitFarApart(std::vector<std::uint32_t> group,
                                                      const std::vector<Place>& places) {
    std::vector<std::vector<std::uint32_t>> parts;
    std::vector<std::vector<std::uint32_t>> pending{std::move(group)};
    while (!pending.empty()) {
        std::vector<std::uint32_t> part = std::move(pending.back());
        pending.pop_back();
        Place whole;
        for (std::uint32_t p : part) {
            whole.sum.lat += places[p].sum.lat;
            whole.sum.lon += places[p].sum.lon;
            whole.positioned += places[p].positioned;
        }
        auto farthestFrom = [&](GeoPoint from) {
            return *std::max_element(part.begin(), part.end(),
                                     [&](std::uint32_t a, std::uint32_t b) {
                                         return greatCircleMetres(from, positionOf(places[a])) <
                                                greatCircleMetres(from, positionOf(places[b]));
                                     });
        };
        const GeoPoint centre = positionOf(whole);
        const GeoPoint first = positionOf(places[farthestFrom(centre)]);
        if (greatCircleMetres(centre, first) <= kSameStationMetres) {
            parts.push_back(std::move(part));
            continue;
        }
        const GeoPoint second = positionOf(places[farthestFrom(first)]);
        std::vector<std::uint32_t> nearFirst;
        std::vector<std::uint32_t> nearSecond;
        for (std::uint32_t p : part) {
            const GeoPoint at = positionOf(places[p]);
            (greatCircleMetres(at, first) <= greatCircleMetres(at, second) ? nearFirst : nearSecond)
                .push_back(p);
        }
        pending.push_back(std::move(nearSecond));
        pending.push_back(std::move(nearFirst));
    }
    return parts;
}

// For every place, the place that stands for its station: places of one name within reach of
// each other are one unless that puts a place too far from the station's position, places
// without a position go to the positioned station with most stops.
std::vector<std::uint32_t> stationPlaces(const std::vector<Place>& places, std::size_t nameGroups) {
    std::vector<std::vector<std::uint32_t>> ofName(nameGroups);
    for (std::uint32_t p = 0; p < places.size(); ++p) ofName[places[p].nameGroup].push_back(p);

    std::vector<std::uint32_t> representative(places.size());
    std::iota(representative.begin(), representative.end(), 0u);
    std::vector<GeoPoint> points;
    std::vector<std::uint32_t> positioned;
    std::vector<GeoPoint> distinctPoints;
    std::vector<std::uint32_t> firstAtPoint;
    for (const std::vector<std::uint32_t>& group : ofName) {
        if (group.size() == 1) continue;
        points.clear();
        positioned.clear();
        for (std::uint32_t p : group) {
            if (places[p].positioned == 0) continue;
            positioned.push_back(p);
            points.push_back(positionOf(places[p]));
        }
        UnionFind clusters(positioned.size());
        // Places at the very same position are one before any distance is measured: thousands
        // of stops of one name at one point would otherwise make millions of pairs.
        std::vector<std::uint32_t> byPosition(points.size());
        std::iota(byPosition.begin(), byPosition.end(), 0u);
        std::sort(byPosition.begin(), byPosition.end(), [&](std::uint32_t a, std::uint32_t b) {
            return std::tie(points[a].lat, points[a].lon, a) <
                   std::tie(points[b].lat, points[b].lon, b);
        });
        distinctPoints.clear();
        firstAtPoint.clear();
        for (std::uint32_t k : byPosition) {
            if (!distinctPoints.empty() && distinctPoints.back().lat == points[k].lat &&
                distinctPoints.back().lon == points[k].lon) {
                clusters.join(firstAtPoint.back(), k);
                continue;
            }
            distinctPoints.push_back(points[k]);
            firstAtPoint.push_back(k);
        }
        for (auto [a, b] : pairsWithin(distinctPoints, kSameStationMetres)) {
            clusters.join(firstAtPoint[a], firstAtPoint[b]);
        }
        std::vector<std::vector<std::uint32_t>> chained(positioned.size());
        for (std::uint32_t k = 0; k < positioned.size(); ++k) {
            chained[clusters.find(k)].push_back(positioned[k]);
        }
        std::uint32_t home = kNone;
        std::uint32_t homeStops = 0;
        for (std::vector<std::uint32_t>& cluster : chained) {
            if (cluster.empty()) continue;
            for (const std::vector<std::uint32_t>& part :
                 splitFarApart(std::move(cluster), places)) {
                std::uint32_t stops = 0;
                for (std::uint32_t p : part) {
                    representative[p] = part.front();
                    stops += places[p].stops;
                }
                if (stops > homeStops) {
                    home = part.front();
                    homeStops = stops;
                }
            }
        }
        // Without a position a place can only go by its name: to the name's main station, or
        // with the name's other unplaced places where none has a position.
        for (std::uint32_t p : group) {
            if (places[p].positioned > 0) continue;
            if (home == kNone) home = p;
            representative[p] = home;
        }
    }
    return representative;
}

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
    const auto zoneColumn = table.column("zone_id");
    const auto latColumn = table.column("stop_lat");
    const auto lonColumn = table.column("stop_lon");

    GtfsStops stops;
    std::vector<StopRow> rows;
    table.forEachRow([&](const CsvRow& row) {
        std::string_view id = row[idColumn];
        if (id.empty()) {
            summary.skip(kFile, "stop_id 为空", row.line(), "stop_name", row[nameColumn]);
            return;
        }
        if (!isValidUtf8(row[nameColumn]) || !isValidUtf8(row[descriptionColumn]) ||
            !isValidUtf8(row[zoneColumn])) {
            summary.skip(kFile, "文字不是 UTF-8 编码", row.line(), "stop_id", id);
            return;
        }
        if (!stops.stopIds.add(id).second) {
            summary.skip(kFile, "stop_id 重复", row.line(), "stop_id", id);
            return;
        }
        for (auto [text, field] : {std::pair{row[nameColumn], "stop_name"},
                                   std::pair{row[descriptionColumn], "stop_desc"},
                                   std::pair{row[zoneColumn], "zone_id"}}) {
            if (hasControlCharacters(text)) {
                summary.adjust(kFile, kControlsDropped, row.line(), field, text);
            }
        }
        rows.push_back(
            StopRow{cleanFeedText(row[nameColumn]), std::string(row[parentColumn]),
                    cleanFeedText(row[descriptionColumn]), cleanFeedText(row[zoneColumn]),
                    readPosition(row[latColumn], row[lonColumn], row, summary), row.line()});
    });

    // Every stop's place: the top of its parent chain under the highest name in the chain.
    std::vector<Place> places;
    std::vector<std::uint32_t> placeOfStop(rows.size(), kNone);
    std::vector<std::string_view> nameOfStop(rows.size());
    std::unordered_map<std::string, std::uint32_t> nameGroupByKey;
    std::unordered_map<std::string, std::uint32_t> placeByKey;
    for (std::uint32_t stop = 0; stop < rows.size(); ++stop) {
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
        std::string nameKey = asciiLower(name);
        auto group =
            nameGroupByKey.try_emplace(nameKey, static_cast<std::uint32_t>(nameGroupByKey.size()));
        auto place = placeByKey.try_emplace(std::to_string(current) + ';' + nameKey,
                                            static_cast<std::uint32_t>(places.size()));
        if (place.second) places.push_back(Place{group.first->second, 0, 0, {}});
        Place& at = places[place.first->second];
        ++at.stops;
        if (rows[stop].position) {
            ++at.positioned;
            at.sum.lat += rows[stop].position->lat;
            at.sum.lon += rows[stop].position->lon;
        }
        placeOfStop[stop] = place.first->second;
        nameOfStop[stop] = name;
    }

    const std::vector<std::uint32_t> representative = stationPlaces(places, nameGroupByKey.size());
    std::vector<std::uint32_t> stationOfPlace(places.size(), kNone);
    std::vector<GeoPoint> sums;
    std::vector<std::uint32_t> positioned;
    stops.stationOfStop.assign(rows.size(), kNoStation);
    for (std::uint32_t stop = 0; stop < rows.size(); ++stop) {
        if (placeOfStop[stop] == kNone) continue;
        std::uint32_t& station = stationOfPlace[representative[placeOfStop[stop]]];
        if (station == kNone) {
            station = static_cast<std::uint32_t>(stops.stationNames.size());
            stops.stationNames.emplace_back(nameOfStop[stop]);
            stops.stationDescriptions.emplace_back();
            stops.stationZones.emplace_back();
            sums.emplace_back();
            positioned.push_back(0);
        }
        stops.stationOfStop[stop] = station;
        const StopRow& row = rows[stop];
        std::vector<std::string>& descriptions = stops.stationDescriptions[station];
        if (!row.description.empty() && std::find(descriptions.begin(), descriptions.end(),
                                                  row.description) == descriptions.end()) {
            descriptions.push_back(row.description);
        }
        if (stops.stationZones[station].empty()) stops.stationZones[station] = row.zone;
        if (row.position) {
            sums[station].lat += row.position->lat;
            sums[station].lon += row.position->lon;
            ++positioned[station];
        }
    }
    stops.stationPositions.resize(stops.stationNames.size());
    for (std::size_t s = 0; s < sums.size(); ++s) {
        if (positioned[s] > 0) {
            stops.stationPositions[s] =
                GeoPoint{sums[s].lat / positioned[s], sums[s].lon / positioned[s]};
        }
    }
    return stops;
}

}  // namespace busquery
