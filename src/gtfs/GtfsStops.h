#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/IdMap.h"
#include "gtfs/ImportSummary.h"

namespace busquery {

// stops.txt read as stations: a stop with a parent_station counts as the station at the top of
// its parent chain, and stops whose names are the same (ASCII letter case aside, as the bus
// database compares names) are one station.
struct GtfsStops {
    static constexpr std::uint32_t kNoStation = std::numeric_limits<std::uint32_t>::max();

    IdMap stopIds;
    std::vector<std::uint32_t> stationOfStop;  // by stop number; kNoStation for a skipped stop
    std::vector<std::string> stationNames;     // by station number, as first written
    // By station number: the distinct stop_desc texts of its stops, in file order.
    std::vector<std::vector<std::string>> stationDescriptions;

    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static GtfsStops read(CsvTable& table, ImportSummary& summary);
};

}  // namespace busquery
