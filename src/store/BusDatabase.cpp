#include "store/BusDatabase.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <new>

#include "store/DatabaseHeader.h"
#include "store/Error.h"
#include "store/FileStart.h"
#include "store/PinyinCollation.h"
#include "store/SystemErrorText.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

struct TableColumns {
    const char* table;
    std::vector<const char*> columns;
    bool optional = false;
};

// Every table and column the queries read, checked alike before the first query: a table every
// file must have that is missing, and any of them that is not a plain table with these
// columns, is reported. An optional table may be absent: the file then answers without it.
const std::array<TableColumns, 9> kTables{{
    {"no", {"lineid"}},
    {"dbdate", {"id", "date"}},
    {"nlninfo", {"citycode", "lnna", "lnid", "fltime", "Passstna"}},
    {"nstinfo", {"stna", "rdna", "near", "Passlnna"}},
    {"nstpos", {"stna", "lat", "lon"}, true},
    {"nstwalk", {"stna", "tostna", "metres"}, true},
    {"nctinfo", {"citycode", "ctna", "lang"}, true},
    {"nsttrans", {"stna", "lang", "name"}, true},
    {"nlntrans", {"lnna", "lang", "name"}, true},
}};

// Virtual machine steps between two looks at the clock.
constexpr int kStepsBetweenChecks = 1000;

// The names SQLite gives the row id, in the order they are tried.
constexpr std::array<const char*, 3> kRowIdNames{"rowid", "_rowid_", "oid"};

// A write-ahead log holds frames after its 32-byte header only when a change waits in it.
constexpr off_t kLogHeaderSize = 32;

ErrorText quoted(const std::filesystem::path& file) {
    return {"数据文件 “%1”", {ErrorText::value(file.string())}};
}

[[noreturn]] void refuse(const std::filesystem::path& file, ErrorKind kind, ErrorText problem,
                         std::string detail = {}) {
    throw Error(kind, {"%1 有误：%2", {quoted(file), std::move(problem)}}, std::move(detail));
}

// A file the system would not let the program read is the traveller's to fix (or the
// administrator's), not a broken file: it says so, and keeps the system's text.
[[noreturn]] void refuseRead(const std::filesystem::path& file, int errorNumber) {
    if (isPermissionError(errorNumber)) {
        throw Error(ErrorKind::NoPermission, {"没有权限读取%1", {quoted(file)}},
                    systemErrorDetail(errorNumber));
    }
    refuse(file, ErrorKind::ReadFailed, "无法读取文件", systemErrorDetail(errorNumber));
}

const char* kindOfSpecialFile(mode_t mode) {
    if (S_ISFIFO(mode)) return "管道";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "设备";
    if (S_ISSOCK(mode)) return "套接字";
    return "特殊文件";
}

// Only a regular SQLite file reaches SQLite: a pipe would block the open for ever, and an empty
// file would read as a database without tables.
void checkIsDatabaseFile(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        const int errorNumber = errno;
        if (errorNumber == ENOENT || errorNumber == ENOTDIR) {
            throw Error(ErrorKind::FileMissing, {"%1 不存在", {quoted(file)}},
                        systemErrorDetail(errorNumber));
        }
        refuseRead(file, errorNumber);
    }
    if (S_ISDIR(st.st_mode)) {
        throw Error(ErrorKind::NotAFile, {"%1 是一个文件夹，不是数据文件", {quoted(file)}});
    }
    if (!S_ISREG(st.st_mode)) {
        throw Error(ErrorKind::NotAFile,
                    {"%1 是一个%2，不是数据文件", {quoted(file), kindOfSpecialFile(st.st_mode)}});
    }
    if (st.st_size == 0) {
        throw Error(ErrorKind::NotADatabase,
                    {"%1 是空文件（0 字节），没有任何数据", {quoted(file)}});
    }
    auto start = readFileStart(file, DatabaseHeader::kSize);
    if (!start) refuseRead(file, errno);
    if (!DatabaseHeader(std::move(*start)).isSqlite()) {
        refuse(file, ErrorKind::NotADatabase, "不是数据库文件");
    }
}

// The file is read as it stands, without its journal or log. Changes that a writer has not yet
// put into the file itself would be missed, or a half-written file read, so such a file is
// refused until the writer is done; the next query tries again.
void checkNoUnfinishedWrite(const std::filesystem::path& file) {
    auto log = file;
    log += "-wal";
    struct stat st {};
    if (::stat(log.c_str(), &st) == 0 && st.st_size > kLogHeaderSize) {
        refuse(file, ErrorKind::ReadFailed,
               {"“%1” 中还有尚未写入数据文件的更改，请先关闭正在写入它的程序",
                {ErrorText::value(log.filename().string())}});
    }
    // A journal whose header is not cleared belongs to a transaction that has not ended.
    auto journal = file;
    journal += "-journal";
    if (::stat(journal.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        auto start = readFileStart(journal, 1);
        if (!start || start->empty() || (*start)[0] != '\0') {
            refuse(file, ErrorKind::ReadFailed,
                   {"“%1” 表明有一次写入还没有完成，请先关闭正在写入它的程序",
                    {ErrorText::value(journal.filename().string())}});
        }
    }
}

// A URI names the file with every byte outside the plain ones percent-encoded, so that "?", "#"
// and "%" in a folder name stay part of the path.
std::string readOnlyUri(const std::filesystem::path& file) {
    std::error_code ec;
    auto absolute = std::filesystem::absolute(file, ec);
    if (ec) refuse(file, ErrorKind::ReadFailed, "无法确定文件的位置");
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (unsigned char c : absolute.string()) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '/' || c == '.' || c == '-' || c == '_' || c == '~';
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0xF];
        }
    }
    // immutable: no locks, no journal or log read or created; BusData reopens on a change.
    return uri + "?mode=ro&immutable=1";
}

// The file passed the checks before SQLite opens it, so what fails there is mostly the opening
// itself rather than the content.
ErrorKind openFailureKind(int sqliteCode) {
    switch (sqliteCode & 0xFF) {
        case SQLITE_CORRUPT:
            return ErrorKind::NotADatabase;
        case SQLITE_NOMEM:
            return ErrorKind::OutOfMemory;
        default:
            return ErrorKind::ReadFailed;
    }
}

SQLite::Database openReadOnly(const std::filesystem::path& file) {
    checkIsDatabaseFile(file);
    checkNoUnfinishedWrite(file);
    try {
        return SQLite::Database(readOnlyUri(file), SQLite::OPEN_READONLY | SQLite::OPEN_URI);
    } catch (const SQLite::Exception& e) {
        switch (e.getErrorCode() & 0xFF) {
            case SQLITE_NOTADB:
                refuse(file, ErrorKind::NotADatabase, "不是数据库文件", e.what());
            case SQLITE_PERM:
            case SQLITE_AUTH:
                throw Error(ErrorKind::NoPermission, {"没有权限读取%1", {quoted(file)}}, e.what());
            default:
                throw Error(openFailureKind(e.getErrorCode()), {"无法打开%1", {quoted(file)}},
                            e.what());
        }
    }
}

ErrorText durationText(std::chrono::milliseconds duration) {
    if (duration.count() % 1000 == 0) {
        return {"%1 秒", {ErrorText::value(std::to_string(duration.count() / 1000))}};
    }
    return {"%1 毫秒", {ErrorText::value(std::to_string(duration.count()))}};
}

bool hasColumn(const std::vector<std::string>& columns, std::string_view name) {
    return std::any_of(columns.begin(), columns.end(), [&](const std::string& column) {
        return equalsIgnoreAsciiCase(column, name);
    });
}

}  // namespace

BusDatabase::BusDatabase(std::filesystem::path file, std::chrono::milliseconds statementTimeLimit)
    : file_(std::move(file)), db_(openReadOnly(file_)), statementTimeLimit_(statementTimeLimit) {
    try {
        // The tables are read once, front to back, into the network index: a small page cache
        // serves that as well as a large one and keeps a line lookup's memory small.
        db_.exec("PRAGMA cache_size = -256");
        registerPinyinCollation(db_.getHandle());
        sqlite3_trace_v2(db_.getHandle(), SQLITE_TRACE_STMT, &BusDatabase::onStatementStart, this);
        sqlite3_progress_handler(db_.getHandle(), kStepsBetweenChecks, &BusDatabase::onProgress,
                                 this);
        checkSchema();
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        fail(e);
    }
}

// Each run's start is taken from SQLite itself: a statement finalized and another prepared at
// the same address would otherwise look like one long run.
int BusDatabase::onStatementStart(unsigned type, void* self, void* statement, void* sql) {
    if (type != SQLITE_TRACE_STMT) return 0;
    if (std::string_view(static_cast<const char*>(sql)).starts_with("--")) return 0;  // trigger
    auto& database = *static_cast<BusDatabase*>(self);
    const auto now = std::chrono::steady_clock::now();
    auto& running = database.running_;
    auto seen = std::find_if(running.begin(), running.end(),
                             [&](const Running& r) { return r.statement == statement; });
    if (seen != running.end()) {
        seen->since = now;
        return 0;
    }
    if (running.size() >= kMostRunsRemembered) database.forgetEndedRuns();
    running.push_back(Running{static_cast<sqlite3_stmt*>(statement), now});
    return 0;
}

void BusDatabase::forgetEndedRuns() {
    sqlite3* db = db_.getHandle();
    std::erase_if(running_, [&](const Running& r) {
        for (sqlite3_stmt* statement = sqlite3_next_stmt(db, nullptr); statement;
             statement = sqlite3_next_stmt(db, statement)) {
            if (statement == r.statement) return !sqlite3_stmt_busy(statement);
        }
        return true;  // finalized: never touched again
    });
}

int BusDatabase::onProgress(void* self) {
    auto& database = *static_cast<BusDatabase*>(self);
    database.forgetEndedRuns();
    const auto now = std::chrono::steady_clock::now();
    return std::any_of(
               database.running_.begin(), database.running_.end(),
               [&](const Running& r) { return now - r.since > database.statementTimeLimit_; })
               ? 1  // interrupts the statement
               : 0;
}

void BusDatabase::checkSchema() {
    for (const auto& table : kTables) checkTable(table.table, table.columns, table.optional);
}

bool BusDatabase::hasTable(std::string_view table) const {
    return rowIds_.find(table) != rowIds_.end();
}

// The program maps every ordered result back to table order through the row id, so a table
// must be a real table whose rows have one that some name still reaches.
void BusDatabase::checkTable(std::string_view table, const std::vector<const char*>& columns,
                             bool optional) {
    const std::string name(table);
    SQLite::Statement kind(db_, "SELECT type, wr FROM pragma_table_list(?) WHERE schema = 'main'");
    kind.bind(1, name);
    if (!kind.executeStep()) {
        if (optional) return;
        fail(ErrorKind::SchemaMissing, {"缺少表 %1", {ErrorText::value(name)}});
    }
    const std::string type = kind.getColumn(0).getString();
    const ErrorText shownName = ErrorText::value(name);
    if (type == "view") fail(ErrorKind::SchemaMissing, {"%1 是视图，不是表", {shownName}});
    if (type == "virtual") fail(ErrorKind::SchemaMissing, {"%1 是虚拟表，不是表", {shownName}});
    if (type != "table") fail(ErrorKind::SchemaMissing, {"%1 不是普通的表", {shownName}});
    if (kind.getColumn(1).getInt() != 0)
        fail(ErrorKind::SchemaMissing, {"表 %1 的行没有行号（WITHOUT ROWID）", {shownName}});

    SQLite::Statement info(db_, "SELECT name FROM pragma_table_info(?)");
    info.bind(1, name);
    std::vector<std::string> present;
    while (info.executeStep()) present.push_back(info.getColumn(0).getString());
    for (const char* column : columns) {
        if (!hasColumn(present, column))
            fail(ErrorKind::SchemaMissing,
                 {"表 %1 缺少列 %2", {shownName, ErrorText::value(column)}});
    }
    auto free = std::find_if(kRowIdNames.begin(), kRowIdNames.end(),
                             [&](const char* rowId) { return !hasColumn(present, rowId); });
    if (free == kRowIdNames.end()) {
        fail(ErrorKind::SchemaMissing,
             {"表 %1 的列占用了 rowid、_rowid_ 和 oid，无法确定行在表中的顺序", {shownName}});
    }
    rowIds_[name] = *free;
}

const std::string& BusDatabase::rowId(std::string_view table) const {
    static const std::string kRowId = kRowIdNames.front();
    auto found = rowIds_.find(table);
    return found != rowIds_.end() ? found->second : kRowId;
}

std::vector<std::string> BusDatabase::lineIds() {
    try {
        std::vector<std::string> ids;
        SQLite::Statement rows(db_, "SELECT lineid FROM \"no\" ORDER BY " + rowId("no"));
        while (rows.executeStep()) ids.push_back(rows.getColumn(0).getString());
        return ids;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::vector<std::array<std::string, 3>> BusDatabase::textRows(std::string_view table,
                                                              std::string_view columns,
                                                              std::size_t most) {
    std::vector<std::array<std::string, 3>> rows;
    if (!hasTable(table)) return rows;
    try {
        SQLite::Statement select(db_, "SELECT " + std::string(columns) + " FROM " +
                                          std::string(table) + " ORDER BY " + rowId(table));
        while (rows.size() < most && select.executeStep()) {
            auto& row = rows.emplace_back();
            for (int column = 0; column < 3; ++column) {
                const SQLite::Column value = select.getColumn(column);
                if (!value.isNull()) row[column] = value.getString();
            }
        }
        return rows;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::optional<CityRow> BusDatabase::city() {
    const auto rows = textRows("nctinfo", "citycode, ctna, lang", 1);
    if (rows.empty()) return std::nullopt;
    return CityRow{rows[0][0], rows[0][1], rows[0][2]};
}

std::vector<StationNameRow> BusDatabase::stationNames() {
    std::vector<StationNameRow> rows;
    for (auto& [stna, lang, name] : textRows("nsttrans", "stna, lang, name")) {
        rows.push_back(StationNameRow{std::move(stna), std::move(lang), std::move(name)});
    }
    return rows;
}

std::vector<LineNameRow> BusDatabase::lineNames() {
    std::vector<LineNameRow> rows;
    for (auto& [lnna, lang, name] : textRows("nlntrans", "lnna, lang, name")) {
        rows.push_back(LineNameRow{std::move(lnna), std::move(lang), std::move(name)});
    }
    return rows;
}

std::string BusDatabase::dataDate() {
    try {
        SQLite::Statement row(
            db_, "SELECT date FROM dbdate WHERE id = 1 ORDER BY " + rowId("dbdate") + " LIMIT 1");
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
        switch (sqlite->getErrorCode() & 0xFF) {
            case SQLITE_NOTADB:
                fail(ErrorKind::NotADatabase, "不是数据库文件", error.what());
            case SQLITE_CORRUPT:
                fail(ErrorKind::NotADatabase, "文件已损坏", error.what());
            case SQLITE_PERM:
            case SQLITE_AUTH:
                throw Error(ErrorKind::NoPermission, {"没有权限读取%1", {quoted(file_)}},
                            error.what());
            case SQLITE_CANTOPEN:
                fail(ErrorKind::ReadFailed, "无法读取文件", error.what());
            case SQLITE_IOERR:
                fail(ErrorKind::ReadFailed, "读取文件时出错", error.what());
            case SQLITE_NOMEM:
                fail(ErrorKind::OutOfMemory, "内存不足", error.what());
            case SQLITE_INTERRUPT:
                fail(ErrorKind::BadData,
                     {"读取超过 %1仍未完成，已停止（文件的内容可能有误）",
                      {durationText(statementTimeLimit_)}},
                     error.what());
            default:
                // SQLite's own words are English and mean nothing to a traveller; the code
                // is what a developer needs, and the words go into the detail.
                fail(ErrorKind::ReadFailed,
                     {"读取失败（SQLite 错误码 %1）",
                      {ErrorText::value(std::to_string(sqlite->getExtendedErrorCode()))}},
                     error.what());
        }
    }
    if (dynamic_cast<const std::bad_alloc*>(&error)) {
        fail(ErrorKind::OutOfMemory, "内存不足", error.what());
    }
    fail(ErrorKind::ReadFailed, "读取失败", error.what());
}

void BusDatabase::fail(ErrorKind kind, ErrorText problem, std::string detail) const {
    refuse(file_, kind, std::move(problem), std::move(detail));
}

}  // namespace busquery
