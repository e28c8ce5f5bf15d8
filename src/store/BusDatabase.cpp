#include "store/BusDatabase.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <array>
#include <set>

#include "store/Error.h"
#include "store/PinyinCollation.h"

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
        throw Error(ErrorKind::FileMissing, "数据文件 “" + file.string() + "” 不存在");
    }
    if (std::filesystem::is_directory(status)) {
        throw Error(ErrorKind::NotAFile,
                    "数据文件 “" + file.string() + "” 是一个文件夹，不是数据文件");
    }
    try {
        return SQLite::Database(file.string(), SQLite::OPEN_READONLY);
    } catch (const std::exception& e) {
        throw Error(ErrorKind::NotADatabase, "无法打开数据文件 “" + file.string() + "”");
    }
}

}  // namespace

BusDatabase::BusDatabase(std::filesystem::path file)
    : file_(std::move(file)), db_(openReadOnly(file_)) {
    try {
        registerPinyinCollation(db_.getHandle());
        checkSchema();
    } catch (const Error&) {
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
        if (present.empty())
            fail(ErrorKind::SchemaMissing, std::string("缺少表 ") + required.table);
        for (const char* column : required.columns) {
            if (!present.contains(column)) {
                fail(ErrorKind::SchemaMissing,
                     std::string("表 ") + required.table + " 缺少列 " + column);
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
        if (!row.executeStep()) fail(ErrorKind::BadData, "表 dbdate 中没有 id 为 1 的记录");
        return row.getColumn(0).getString();
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabase::fail(const std::exception& error) const {
    if (const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&error)) {
        switch (sqlite->getErrorCode()) {
            case SQLITE_NOTADB:
                fail(ErrorKind::NotADatabase, "不是数据库文件");
            case SQLITE_CORRUPT:
                fail(ErrorKind::NotADatabase, "文件已损坏");
            case SQLITE_CANTOPEN:
            case SQLITE_PERM:
            case SQLITE_AUTH:
                fail(ErrorKind::ReadFailed, "无法读取文件");
            default:
                // SQLite's own words are English and mean nothing to a traveller; the code
                // is what a developer needs.
                fail(ErrorKind::ReadFailed, "读取失败（SQLite 错误码 " +
                                                std::to_string(sqlite->getExtendedErrorCode()) +
                                                "）");
        }
    }
    fail(ErrorKind::ReadFailed, "读取失败");
}

void BusDatabase::fail(ErrorKind kind, std::string_view problem) const {
    throw Error(kind, "数据文件 “" + file_.string() + "” 有误：" + std::string(problem));
}

}  // namespace busquery
