#include "store/TimetableTables.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <limits>
#include <string>

#include "store/BusDatabase.h"

namespace busquery {
namespace {

// Whether the table exists with the columns named (lower case, quoted, separated by commas).
bool hasTable(BusDatabase& database, const char* table, const std::string& columns) {
    try {
        SQLite::Statement count(
            database.connection(),
            "SELECT count(*) FROM pragma_table_info(?) WHERE lower(name) IN (" + columns + ")");
        count.bind(1, table);
        const auto wanted = std::count(columns.begin(), columns.end(), ',') + 1;
        return count.executeStep() && count.getColumn(0).getInt() == wanted;
    } catch (const std::exception& e) {
        database.fail(e);
    }
}

// Runs sql over every row, turning SQLite's failures into the database's Error.
template <class Visit>
void eachRow(BusDatabase& database, const std::string& sql, Visit visit) {
    try {
        SQLite::Statement statement(database.connection(), sql);
        while (statement.executeStep()) visit(statement);
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        database.fail(e);
    }
}

// A number column as an unsigned 32-bit value; a null, negative or too large one reads as the
// largest, which names nothing.
std::uint32_t number(const SQLite::Column& column) {
    const std::int64_t value = column.isNull() ? -1 : column.getInt64();
    if (value < 0 || value >= std::numeric_limits<std::uint32_t>::max()) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    return static_cast<std::uint32_t>(value);
}

std::int32_t date(const SQLite::Column& column) {
    const std::int64_t value = column.isNull() ? 0 : column.getInt64();
    return value > 0 && value <= 99991231 ? static_cast<std::int32_t>(value) : 0;
}

}  // namespace

bool hasTimetable(BusDatabase& database) {
    return hasTable(database, "nlntrip", "'lnid', 'service', 'headsign', 'times'");
}

std::vector<std::int64_t> readLineNumbers(BusDatabase& database) {
    std::vector<std::int64_t> numbers;
    const std::string& rowid = database.rowId("nlninfo");
    eachRow(database, "SELECT lnid FROM nlninfo ORDER BY " + rowid,
            [&](SQLite::Statement& row) { numbers.push_back(row.getColumn(0).getInt64()); });
    return numbers;
}

void forEachTrip(BusDatabase& database, const std::function<void(const TripRow&)>& visit) {
    if (!hasTimetable(database)) return;
    TripRow trip;
    eachRow(database, "SELECT lnid, service, headsign, times FROM nlntrip ORDER BY rowid",
            [&](SQLite::Statement& row) {
                trip.lnid = row.getColumn(0).getInt64();
                trip.service = number(row.getColumn(1));
                trip.headsign = row.getColumn(2).getString();
                const SQLite::Column times = row.getColumn(3);
                const std::string_view bytes(static_cast<const char*>(times.getBlob()),
                                             static_cast<std::size_t>(times.getBytes()));
                if (!decodeTripTimes(bytes, trip.times)) trip.times = {};
                visit(trip);
            });
}

std::vector<std::pair<std::int64_t, std::size_t>> countTripsByLine(BusDatabase& database) {
    std::vector<std::pair<std::int64_t, std::size_t>> counts;
    if (!hasTimetable(database)) return counts;
    // Counted here rather than grouped in SQL, which would sort every row first; the rows of a
    // line mostly come together.
    eachRow(database, "SELECT lnid FROM nlntrip", [&](SQLite::Statement& row) {
        const std::int64_t lnid = row.getColumn(0).getInt64();
        if (counts.empty() || counts.back().first != lnid) counts.emplace_back(lnid, 0);
        ++counts.back().second;
    });
    return counts;
}

std::vector<ServiceRow> readServices(BusDatabase& database) {
    std::vector<ServiceRow> services;
    if (!hasTable(database, "nsvinfo",
                  "'service', 'serviceid', 'weekdays', 'startdate', 'enddate'"))
        return services;
    eachRow(database,
            "SELECT service, serviceid, weekdays, startdate, enddate FROM nsvinfo ORDER BY rowid",
            [&](SQLite::Statement& row) {
                services.push_back(
                    ServiceRow{number(row.getColumn(0)), row.getColumn(1).getString(),
                               static_cast<std::uint8_t>(row.getColumn(2).getInt() & 0x7F),
                               date(row.getColumn(3)), date(row.getColumn(4))});
            });
    return services;
}

std::vector<ServiceDateRow> readServiceDates(BusDatabase& database) {
    std::vector<ServiceDateRow> dates;
    if (!hasTable(database, "nsvdate", "'service', 'date', 'added'")) return dates;
    eachRow(database, "SELECT service, date, added FROM nsvdate ORDER BY rowid",
            [&](SQLite::Statement& row) {
                dates.push_back(ServiceDateRow{number(row.getColumn(0)), date(row.getColumn(1)),
                                               row.getColumn(2).getInt() != 0});
            });
    return dates;
}

std::vector<ChangeRow> readChanges(BusDatabase& database) {
    std::vector<ChangeRow> changes;
    if (!hasTable(database, "nstchange", "'stna', 'tostna', 'minutes'")) return changes;
    eachRow(database, "SELECT stna, tostna, minutes FROM nstchange ORDER BY rowid",
            [&](SQLite::Statement& row) {
                const std::uint32_t minutes = number(row.getColumn(2));
                if (row.getColumn(0).isNull() || row.getColumn(1).isNull() || minutes > 24 * 60) {
                    return;
                }
                changes.push_back(
                    ChangeRow{row.getColumn(0).getString(), row.getColumn(1).getString(), minutes});
            });
    return changes;
}

}  // namespace busquery
