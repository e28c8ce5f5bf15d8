// A bus database built from the input: each table the program reads is missing, a table, a
// view, a virtual table or one without row ids, with the right columns or not, holding rows of
// any type and size. The file is opened and asked for a line, for suggestions and for a
// route: every failure must be the program's own Error, and nothing may hang (the statement
// time limit, libFuzzer's -timeout above it).

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "network/BusData.h"
#include "query/Query.h"
#include "search/SuggestionSearch.h"
#include "store/Error.h"
#include "support/TempDir.h"

namespace {

// The input read front to back; zeros once it runs out.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    std::int64_t number() {
        std::uint64_t value = 0;
        for (int k = 0; k < 8; ++k) value = (value << 8) | next();
        return static_cast<std::int64_t>(value);
    }
    std::string text(std::size_t most) {
        std::string bytes;
        for (std::size_t length = next() % (most + 1); length > 0 && at_ < size_; --length) {
            bytes += static_cast<char>(next());
        }
        return bytes;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct TableShape {
    const char* name;
    std::vector<const char*> columns;
};

const std::array<TableShape, 6> kTables{{
    {"no", {"lineid"}},
    {"dbdate", {"id", "date"}},
    {"nlninfo", {"citycode", "lnna", "lnid", "fltime", "Passstna"}},
    {"nstinfo", {"stna", "rdna", "near", "Passlnna"}},
    {"nstpos", {"stna", "lat", "lon"}},
    {"nstwalk", {"stna", "tostna", "metres"}},
}};

// Names that make rows refer to one another, so that searches find something to do.
const std::array<const char*, 10> kNames{"甲",     "乙",        "丙",       "1路",       "2路",
                                         "甲;乙;", "乙;丙;甲;", "1路;2路;", "velmorina", "1"};

void bindValue(SQLite::Statement& insert, int column, Bytes& bytes) {
    switch (bytes.next() % 7) {
        case 0:
            insert.bind(column);  // NULL
            break;
        case 1:
            insert.bind(column, bytes.number());
            break;
        case 2:
            insert.bind(column, static_cast<double>(bytes.number()) / 7.0);
            break;
        case 3: {
            const std::string blob = bytes.text(64);
            insert.bind(column, blob.data(), static_cast<int>(blob.size()));
            break;
        }
        case 4:
            insert.bind(column, bytes.text(64));
            break;
        default:
            insert.bind(column, std::string(kNames[bytes.next() % kNames.size()]));
            break;
    }
}

void addTable(SQLite::Database& db, const TableShape& table, Bytes& bytes) {
    const std::uint8_t kind = bytes.next() % 6;
    if (kind == 0) return;  // missing
    std::vector<std::string> columns(table.columns.begin(), table.columns.end());
    if (bytes.next() % 8 == 0) columns.erase(columns.begin() + bytes.next() % columns.size());
    if (bytes.next() % 8 == 0) columns.push_back(bytes.next() % 2 ? "rowid" : "extra");
    if (columns.empty()) columns.push_back("extra");
    std::string list;
    for (const auto& column : columns) list += (list.empty() ? "\"" : ", \"") + column + "\"";
    const std::string name = std::string("\"") + table.name + "\"";
    const std::string store =
        kind == 2 || kind == 3 ? "\"" + std::string(table.name) + "_rows\"" : name;
    if (kind == 4) {
        db.exec("CREATE VIRTUAL TABLE " + name + " USING fts5(" + list + ")");
    } else if (kind == 5) {
        db.exec("CREATE TABLE " + name + " (" + list + ", PRIMARY KEY (" + list +
                ")) WITHOUT ROWID");
    } else {
        db.exec("CREATE TABLE " + store + " (" + list + ")");
    }
    if (kind == 2) db.exec("CREATE VIEW " + name + " AS SELECT * FROM " + store);
    if (kind == 3) {
        // A view without end: every row again and again.
        db.exec("CREATE VIEW " + name +
                " AS WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 "
                "FROM n) SELECT " +
                list + " FROM " + store + ", n");
    }
    std::string marks;
    for (std::size_t k = 0; k < columns.size(); ++k) marks += k == 0 ? "?" : ", ?";
    const std::string target = kind == 4 ? name : store;
    SQLite::Statement insert(db, "INSERT OR IGNORE INTO " + target + " VALUES (" + marks + ")");
    for (int rows = bytes.next() % 24; rows > 0; --rows) {
        for (std::size_t k = 0; k < columns.size(); ++k) {
            bindValue(insert, static_cast<int>(k) + 1, bytes);
        }
        insert.exec();
        insert.reset();
    }
}

void writeDatabase(const std::filesystem::path& file, Bytes& bytes) {
    std::filesystem::remove(file);
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    // A scratch file: no journal, no waiting for the disk.
    db.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
    for (const TableShape& table : kTables) {
        try {
            addTable(db, table, bytes);
        } catch (const SQLite::Exception&) {
            // A shape SQLite itself refuses (a blob key of a table without row ids, …) is
            // simply not in the file.
        }
    }
    db.exec("COMMIT");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const busquery::test::TempDir dir;
    const auto file = dir / "busdata";
    Bytes bytes(data, size);
    writeDatabase(file, bytes);
    const std::string line = kNames[bytes.next() % kNames.size()];
    const std::string from = kNames[bytes.next() % kNames.size()];
    const std::string to = kNames[bytes.next() % kNames.size()];

    busquery::BusData busData(file);
    try {
        busquery::Query query(busData);
        query.lookUpLine(line);
        for (std::string_view found : busquery::suggestStations(busData.index(), from)) {
            if (found.empty()) busquery::fuzz::fault();
        }
        query.searchRoute(from, to);
    } catch (const busquery::Error&) {
        // Refused with a message: what a hostile file should get.
    }
    return 0;
}
