#pragma once

#include <SQLiteCpp/Database.h>

#include <filesystem>

namespace busquery::test {

// The tables and columns of a bus database, without rows: a start for files a test writes by
// hand, odd ones included.
inline constexpr const char* kFullSchema = R"(
    CREATE TABLE "no" (lineid TEXT);
    CREATE TABLE dbdate (id INTEGER, date TEXT);
    CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT, Passstna TEXT);
    CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);
)";

// Runs the statements on the file, creating it when it is not there.
inline void writeSql(const std::filesystem::path& file, const char* sql) {
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(sql);
}

}  // namespace busquery::test
