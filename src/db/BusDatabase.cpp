#include "db/BusDatabase.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <array>
#include <set>

#include "db/DatabaseError.h"
#include "db/PinyinCollation.h"

namespace busquery {
namespace {

struct TableColumns {
    const char* table;
    std::vector<const char*> columns;
};

// Every table and column the queries read; anything missing is reported before the first query.
const std::array<TableColumns, 4> kRequired{{
    {"no", {"lineid"}},
    {"dbdate", {"id", "date"}},
    {"nlninfo", {"citycode", "lnna", "lnid", "fltime", "Passstna"}},
    {"nstinfo", {"stna", "rdna", "near", "Passlnna"}},
}};

SQLite::Database openReadOnly(const std::filesystem::path& file) {
    std::error_code ec;
    auto status = std::filesystem::status(file, ec);
    if (!std::filesystem::exists(status)) {
        throw DatabaseError("数据文件 “" + file.string() + "” 不存在");
    }
    if (std::filesystem::is_directory(status)) {
        throw DatabaseError("数据文件 “" + file.string() + "” 是一个文件夹，不是数据文件");
    }
    try {
        return SQLite::Database(file.string(), SQLite::OPEN_READONLY);
    } catch (const std::exception& e) {
        throw DatabaseError("无法打开数据文件 “" + file.string() + "”：" + e.what());
    }
}

}  // namespace

BusDatabase::BusDatabase(std::filesystem::path file)
    : file_(std::move(file)), db_(openReadOnly(file_)) {
    try {
        registerPinyinCollation(db_.getHandle());
        checkSchema();
        db_.exec("CREATE TEMP TABLE TmpTb (UserId TEXT, S TEXT, M TEXT, E TEXT, C INTEGER)");
    } catch (const DatabaseError&) {
        throw;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabase::checkSchema() {
    for (const auto& required : kRequired) {
        SQLite::Statement columns(db_, "SELECT name FROM pragma_table_info(?)");
        columns.bind(1, required.table);
        std::set<std::string> present;
        while (columns.executeStep()) present.insert(columns.getColumn(0).getString());
        if (present.empty()) fail(std::string("缺少表 ") + required.table);
        for (const char* column : required.columns) {
            if (!present.contains(column)) {
                fail(std::string("表 ") + required.table + " 缺少列 " + column);
            }
        }
    }
}

std::vector<std::string> BusDatabase::lineIds() {
    try {
        std::vector<std::string> ids;
        SQLite::Statement rows(db_, "SELECT lineid FROM \"no\" ORDER BY rowid");
        while (rows.executeStep()) ids.push_back(rows.getColumn(0).getString());
        return ids;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::string BusDatabase::dataDate() {
    try {
        SQLite::Statement row(db_, "SELECT date FROM dbdate WHERE id = 1 ORDER BY rowid LIMIT 1");
        if (!row.executeStep()) fail("表 dbdate 中没有 id 为 1 的记录");
        return row.getColumn(0).getString();
    } catch (const DatabaseError&) {
        throw;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabase::fail(const std::exception& error) const {
    if (const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&error)) {
        switch (sqlite->getErrorCode()) {
            case SQLITE_NOTADB:
                fail("不是数据库文件");
            case SQLITE_CORRUPT:
                fail("文件已损坏");
            case SQLITE_CANTOPEN:
            case SQLITE_PERM:
            case SQLITE_AUTH:
                fail("无法读取文件");
            default:
                break;
        }
    }
    fail(std::string_view(error.what()));
}

void BusDatabase::fail(std::string_view problem) const {
    throw DatabaseError("数据文件 “" + file_.string() + "” 有误：" + std::string(problem));
}

}  // namespace busquery
