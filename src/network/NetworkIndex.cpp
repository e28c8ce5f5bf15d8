#include "network/NetworkIndex.h"

#include <SQLiteCpp/Statement.h>

#include <unordered_map>

#include "store/BusDatabase.h"
#include "store/Error.h"
#include "text/AsciiCase.h"
#include "text/NameList.h"

namespace busquery {
namespace {

// Row positions in table order, looked up by row id, so the ORDER BY statements can be mapped.
using RowPositions = std::unordered_map<std::int64_t, std::uint32_t>;

std::vector<std::uint32_t> orderOf(SQLite::Database& db, const std::string& sql,
                                   const RowPositions& rows) {
    std::vector<std::uint32_t> order;
    order.reserve(rows.size());
    SQLite::Statement statement(db, sql);
    while (statement.executeStep()) order.push_back(rows.at(statement.getColumn(0).getInt64()));
    return order;
}

void loadLines(BusDatabase& database, NetworkIndex& index) {
    SQLite::Database& db = database.connection();
    const std::string& rowid = database.rowId("nlninfo");
    RowPositions rows;
    SQLite::Statement statement(
        db,
        "SELECT " + rowid + ", citycode, lnna, fltime, Passstna FROM nlninfo ORDER BY " + rowid);
    while (statement.executeStep()) {
        rows.emplace(statement.getColumn(0).getInt64(),
                     static_cast<std::uint32_t>(index.lines.size()));
        LineInfo line;
        line.citycode = statement.getColumn(1).getString();
        line.lnna = statement.getColumn(2).getString();
        line.fltime = statement.getColumn(3).getString();
        line.passstna = statement.getColumn(4).getString();
        line.stops = readNameList(line.passstna);
        line.inCity = equalsIgnoreAsciiCase(line.citycode, kCityCode);
        index.lines.push_back(std::move(line));
    }
    index.linesByLnid =
        orderOf(db, "SELECT " + rowid + " FROM nlninfo ORDER BY lnid, " + rowid, rows);
    for (std::uint32_t i : index.linesByLnid) {
        if (index.lines[i].inCity) index.cityLinesByLnid.push_back(i);
    }
}

void loadStations(BusDatabase& database, NetworkIndex& index) {
    SQLite::Database& db = database.connection();
    const std::string& rowid = database.rowId("nstinfo");
    RowPositions rows;
    SQLite::Statement statement(
        db, "SELECT " + rowid + ", stna, rdna, near, Passlnna FROM nstinfo ORDER BY " + rowid);
    while (statement.executeStep()) {
        rows.emplace(statement.getColumn(0).getInt64(),
                     static_cast<std::uint32_t>(index.stations.size()));
        StationInfo station;
        station.stna = statement.getColumn(1).getString();
        station.rdna = statement.getColumn(2).getString();
        station.near = statement.getColumn(3).getString();
        station.passlnna = statement.getColumn(4).getString();
        station.lines = readNameList(station.passlnna);
        index.stations.push_back(std::move(station));
    }
    index.stationsByName = orderOf(
        db, "SELECT " + rowid + " FROM nstinfo ORDER BY stna COLLATE pinyin, " + rowid, rows);
}

}  // namespace

NetworkIndex NetworkIndex::build(BusDatabase& database) {
    NetworkIndex index;
    try {
        loadLines(database, index);
        loadStations(database, index);
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        database.fail(e);
    }
    return index;
}

}  // namespace busquery
