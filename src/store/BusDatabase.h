#pragma once

#include <SQLiteCpp/Database.h>

#include <sqlite3.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/BusDataRows.h"
#include "store/Error.h"

namespace busquery {

// The connection to one busdata file (cnnBus). The file is opened read-only and as unchanging
// (the caller reopens it when its FileIdentity changes): SQLite then takes no locks and creates
// nothing beside it, not even for a file in write-ahead-log mode, so a crash leaves nothing
// behind and the program runs from a read-only folder.
// Every failure is a Error whose message names the file and the problem.
class BusDatabase {
  public:
    // A statement that runs longer than this is stopped: no query of a sound file comes near
    // it, and a hostile one could otherwise keep the program busy for ever.
    static constexpr std::chrono::milliseconds kStatementTimeLimit{5000};

    explicit BusDatabase(std::filesystem::path file,
                         std::chrono::milliseconds statementTimeLimit = kStatementTimeLimit);
    BusDatabase(const BusDatabase&) = delete;
    BusDatabase& operator=(const BusDatabase&) = delete;

    const std::filesystem::path& file() const { return file_; }
    SQLite::Database& connection() { return db_; }

    // The line names of table no, in table order (select * from no).
    std::vector<std::string> lineIds();
    // The data date: column date of the dbdate row whose id is 1, as text.
    std::string dataDate();
    // The city the file names in its optional table nctinfo; nothing without one (the sample
    // city and files of old).
    std::optional<CityRow> city();
    // The station names in other languages of the optional table nsttrans, in table order;
    // none for a file without it. Null columns read as the empty text.
    std::vector<StationNameRow> stationNames();
    // The line names in other languages of the optional table nlntrans, likewise.
    std::vector<LineNameRow> lineNames();

    // Whether the file has an optional table the program reads (nstpos, nstwalk, nctinfo,
    // nsttrans, nlntrans). Where it has one, it passed the same checks as the tables every file
    // must have.
    bool hasTable(std::string_view table) const;

    // The name that reaches the row id of one of the tables the program reads, for table order:
    // rowid, unless a column of the table took that name, then _rowid_ or oid.
    const std::string& rowId(std::string_view table) const;

    // Turns a failure of SQLite into a Error that names this file.
    [[noreturn]] void fail(const std::exception& error) const;
    [[noreturn]] void fail(ErrorKind kind, ErrorText problem, std::string detail = {}) const;

  private:
    // A statement that is running, since when its run began.
    struct Running {
        sqlite3_stmt* statement;
        std::chrono::steady_clock::time_point since;
    };

    // The first `most` rows of an optional table of three text columns, in stored order; NULL
    // reads as empty, no table as no rows.
    std::vector<std::array<std::string, 3>> textRows(std::string_view table,
                                                     std::string_view columns,
                                                     std::size_t most = SIZE_MAX);
    void checkSchema();
    void checkTable(std::string_view table, const std::vector<const char*>& columns, bool optional);
    static int onProgress(void* self);
    static int onStatementStart(unsigned type, void* self, void* statement, void* sql);
    void forgetEndedRuns();
    static constexpr std::size_t kMostRunsRemembered = 32;

    std::filesystem::path file_;
    SQLite::Database db_;
    std::map<std::string, std::string, std::less<>> rowIds_;  // of every table present
    std::chrono::milliseconds statementTimeLimit_;
    std::vector<Running> running_;  // the statements seen starting and not yet seen ended
};

}  // namespace busquery
