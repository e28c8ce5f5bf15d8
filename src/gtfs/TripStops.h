#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ImportSummary.h"

namespace busquery {

struct StopVisit {
    std::uint32_t sequence;  // stop_sequence
    std::uint32_t station;   // station number of GtfsStops
    // The times the feed gives, either standing in for the other; negative for neither (a stop
    // that is no timepoint).
    ServiceSeconds arrival;
    ServiceSeconds departure;
};

// stop_times.txt as every trip's stations in stop_sequence order, plus the departure from each
// trip's first stop. The file is streamed: rows are kept as five numbers each, whatever order
// the file has them in, and the ids are never copied per row.
class TripStops {
  public:
    // Throws Error naming the file and the column when a required column is missing.
    static void checkColumns(const CsvTable& table);
    static TripStops read(CsvTable& table, const GtfsStops& stops, const GtfsTrips& trips,
                          ImportSummary& summary, const ReadProgress& progress = {});

    std::span<const StopVisit> visits(std::uint32_t trip) const {
        return {visits_.data() + begin_[trip], visits_.data() + begin_[trip + 1]};
    }
    // The departure (else arrival) time at the trip's first stop; negative when it has none.
    ServiceSeconds firstDeparture(std::uint32_t trip) const { return firstDeparture_[trip]; }
    std::uint64_t rows() const { return visits_.size(); }

  private:
    std::vector<std::uint64_t> begin_;  // by trip number, one more at the end
    std::vector<StopVisit> visits_;
    std::vector<ServiceSeconds> firstDeparture_;
};

}  // namespace busquery
