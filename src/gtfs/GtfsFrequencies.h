#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/DepartureRange.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ImportSummary.h"

namespace busquery {

// frequencies.txt: trips that run every headway_secs between start_time and end_time. Their
// stop times are only a template; the departures from the first stop are the ones counted
// here, from start_time on while before end_time.
// One row: a departure every headway seconds from start, while before end.
struct FrequencyRun {
    ServiceSeconds start;
    ServiceSeconds end;
    ServiceSeconds headway;
};

struct GtfsFrequencies {
    std::unordered_map<std::uint32_t, DepartureRange> departures;       // by trip number
    std::unordered_map<std::uint32_t, std::vector<FrequencyRun>> runs;  // by trip, in file order

    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static GtfsFrequencies read(CsvTable& table, const GtfsTrips& trips, ImportSummary& summary);
};

}  // namespace busquery
