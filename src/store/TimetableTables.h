#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "store/BusDataRows.h"

namespace busquery {

class BusDatabase;

// Readers of the timetable tables. A file without them (every file written before them) has
// no timetable: hasTimetable is false and the readers give nothing. Failures are the database's
// Error.

bool hasTimetable(BusDatabase& database);

// lnid of every nlninfo row, in table order.
std::vector<std::int64_t> readLineNumbers(BusDatabase& database);

// Every nlntrip row in table order, handed over one at a time in the same TripRow. A row whose
// times cannot be read comes with no times.
void forEachTrip(BusDatabase& database, const std::function<void(const TripRow&)>& visit);

// How many nlntrip rows each lnid has, so that what they hold can be sized before it is read:
// one entry for each run of rows with the same lnid, in table order.
std::vector<std::pair<std::int64_t, std::size_t>> countTripsByLine(BusDatabase& database);

std::vector<ServiceRow> readServices(BusDatabase& database);
std::vector<ServiceDateRow> readServiceDates(BusDatabase& database);
std::vector<ChangeRow> readChanges(BusDatabase& database);

}  // namespace busquery
