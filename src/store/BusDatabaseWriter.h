#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "store/BusDataRows.h"

namespace busquery {

// Writes a new bus database with the tables and columns the program reads (and an empty TmpTb),
// and the optional tables of station positions (nstpos) and walks between stations (nstwalk).
// Rows keep the order they are added in: that order is the table order queries rely on.
// Nothing is visible in the file until commit(); a writer destroyed before commit rolls back.
// Every failure is an Error (WriteFailed) that names the file and the problem; shownAs is the
// name messages give the file, such as the place it is moved to when it is written under a
// temporary name.
class BusDatabaseWriter {
  public:
    // The file must not exist yet: a writer never overwrites a data set.
    explicit BusDatabaseWriter(const std::filesystem::path& file,
                               const std::filesystem::path& shownAs = {});
    ~BusDatabaseWriter();

    void addLineId(std::string_view lineid);
    void setDate(std::string_view date);
    void addLine(const LineRow& line);
    void addStation(const StationRow& station);
    // One row per station: the mean position of its stops.
    void addPosition(const PositionRow& position);
    // A walk from one station to another; the way back is a row of its own.
    void addWalk(const WalkRow& walk);
    // The timetable tables (nlntrip, nsvinfo, nsvdate, nstchange), made before their first row.
    void addTimetableTables();
    void addTrip(const TripRow& trip);
    void addService(const ServiceRow& service);
    void addServiceDate(const ServiceDateRow& date);
    void addChange(const ChangeRow& change);
    void setCity(const CityRow& city);
    // A station's name in another language; the table nsttrans is made before its first row.
    void addStationName(const StationNameRow& name);
    // A line name in another language; the table nlntrans is made before its first row.
    void addLineName(const LineNameRow& name);
    void commit();

  private:
    [[noreturn]] void fail(const std::exception& error);
    // Adds a row of three texts to an optional table, made with its first row.
    void addTextRow(std::unique_ptr<SQLite::Statement>& insert, std::string_view table,
                    const std::array<std::string_view, 3>& columns,
                    const std::array<const std::string*, 3>& texts);

    std::filesystem::path shown_;
    SQLite::Database db_;
    std::unique_ptr<SQLite::Transaction> transaction_;
    std::unique_ptr<SQLite::Statement> insertLineId_;
    std::unique_ptr<SQLite::Statement> insertLine_;
    std::unique_ptr<SQLite::Statement> insertStation_;
    std::unique_ptr<SQLite::Statement> insertPosition_;
    std::unique_ptr<SQLite::Statement> insertWalk_;
    std::unique_ptr<SQLite::Statement> insertTrip_;
    std::unique_ptr<SQLite::Statement> insertService_;
    std::unique_ptr<SQLite::Statement> insertServiceDate_;
    std::unique_ptr<SQLite::Statement> insertChange_;
    std::unique_ptr<SQLite::Statement> insertStationName_;
    std::unique_ptr<SQLite::Statement> insertLineName_;
};

}  // namespace busquery
