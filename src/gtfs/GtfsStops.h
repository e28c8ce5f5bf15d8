#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/IdMap.h"
#include "gtfs/ImportSummary.h"
#include "store/StationGeometry.h"

namespace busquery {

// Stops of the same name this close are one station.
inline constexpr double kSameStationMetres = 1000;

// stops.txt read as stations. A stop with a parent_station counts as the place at the top of
// its parent chain. Places whose names are the same (ASCII letter case aside, as the bus
// database compares names) are one station where they lie within kSameStationMetres of each
// other, directly or through other places of the name, as long as every place lies within
// kSameStationMetres of the station's position; a chain of places longer than that is split
// until it does. A name used farther apart gives one station per place, which the network names
// apart. Places without coordinates join the station of their name with the most stops.
struct GtfsStops {
    static constexpr std::uint32_t kNoStation = std::numeric_limits<std::uint32_t>::max();

    IdMap stopIds;
    std::vector<std::uint32_t> stationOfStop;  // by stop number; kNoStation for a skipped stop
    // By station number, stations numbered in the order their first stop stands in the file:
    std::vector<std::string> stationNames;  // as first written; shared by the places of a name
    // The distinct stop_desc texts of its stops, in file order.
    std::vector<std::vector<std::string>> stationDescriptions;
    std::vector<std::string> stationZones;  // the first zone_id among its stops, else empty
    // The mean position of its stops that have one.
    std::vector<std::optional<GeoPoint>> stationPositions;

    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static GtfsStops read(CsvTable& table, ImportSummary& summary);
};

}  // namespace busquery
