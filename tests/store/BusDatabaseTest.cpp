#include "store/BusDatabase.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <optional>

#include "store/Error.h"
#include "support/SqlFile.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::kFullSchema;
using test::TempDir;
using test::TestCity;
using test::writeSql;

std::optional<Error> openError(const std::filesystem::path& file) {
    try {
        BusDatabase db(file);
        db.dataDate();
    } catch (const Error& e) {
        return e;
    }
    return std::nullopt;
}

// Words of SQLite's and the standard library's own messages, which must never reach a traveller.
void expectNoEnglish(std::string message, const std::filesystem::path& file) {
    if (auto at = message.find(file.string()); at != std::string::npos)
        message.erase(at, file.string().size());
    for (const char* word : {"database", "no such", "malformed", "unable", "error", "file is",
                             "not a", "disk", "unknown", "exception", "failed", "module"}) {
        EXPECT_EQ(message.find(word), std::string::npos) << message;
    }
}

TEST(BusDatabaseFailure, NamesTheFileAndTheProblem) {
    TempDir dir;
    std::ofstream(dir / "garbage") << "this is not a database, just some text that is long enough";
    std::ofstream(dir / "empty").flush();
    writeSql(dir / "no-nlninfo", R"(
        CREATE TABLE "no" (lineid TEXT); CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);)");
    writeSql(dir / "no-lnna", R"(
        CREATE TABLE "no" (lineid TEXT); CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, fltime TEXT, Passstna TEXT);
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);)");
    writeSql(dir / "no-date-row",
             (std::string(kFullSchema) + "INSERT INTO dbdate VALUES (2, '2009.1.6');").c_str());
    writeSql(dir / "view", R"(
        CREATE TABLE "no" (lineid TEXT); CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE lines (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT, Passstna TEXT);
        CREATE VIEW nlninfo AS SELECT * FROM lines;
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);
        INSERT INTO dbdate VALUES (1, '2009.1.6');)");
    writeSql(dir / "virtual", R"(
        CREATE TABLE "no" (lineid TEXT); CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT, Passstna TEXT);
        CREATE VIRTUAL TABLE nstinfo USING fts5(stna, rdna, near, Passlnna);
        INSERT INTO dbdate VALUES (1, '2009.1.6');)");
    writeSql(dir / "without-rowid", R"(
        CREATE TABLE "no" (lineid TEXT PRIMARY KEY) WITHOUT ROWID;
        CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT, Passstna TEXT);
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);
        INSERT INTO dbdate VALUES (1, '2009.1.6');)");
    writeSql(dir / "every-row-id-name-taken", R"(
        CREATE TABLE "no" (lineid TEXT);
        CREATE TABLE dbdate (id INTEGER, date TEXT, ROWID TEXT, _rowid_ TEXT, Oid TEXT);
        CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT, Passstna TEXT);
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);
        INSERT INTO dbdate VALUES (1, '2009.1.6', 'a', 'b', 'c');)");
    // The optional tables are checked as the others are: a recursive view would never end.
    const std::string withDate = std::string(kFullSchema) + "INSERT INTO dbdate VALUES (1, 'x');";
    writeSql(dir / "walk-view", (withDate + R"(
        CREATE VIEW nstwalk (stna, tostna, metres) AS WITH RECURSIVE n(x) AS
            (SELECT 1 UNION ALL SELECT x + 1 FROM n) SELECT 'a', 'b', x FROM n;)")
                                    .c_str());
    writeSql(dir / "position-virtual",
             (withDate + "CREATE VIRTUAL TABLE nstpos USING fts5(stna, lat, lon);").c_str());
    writeSql(dir / "walk-columns",
             (withDate + "CREATE TABLE nstwalk (stna TEXT, tostna TEXT);").c_str());
    writeSql(dir / "names-columns",
             (withDate + "CREATE TABLE nsttrans (stna TEXT, lang TEXT);").c_str());
    writeSql(dir / "line-names-columns",
             (withDate + "CREATE TABLE nlntrans (lnna TEXT, name TEXT);").c_str());
    {
        // A real file cut short: its header is sound, the pages it promises are not there.
        TestCity city;
        for (int i = 0; i < 300; ++i) city.line(std::to_string(i) + "路", "甲;乙;丙;丁;戊;");
        auto whole = city.write(dir / "whole");
        std::filesystem::copy_file(whole, dir / "cut-short");
        std::filesystem::resize_file(dir / "cut-short", std::filesystem::file_size(whole) / 2);
    }
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir / "fifo", dir / "link-to-fifo");
    std::filesystem::create_symlink(dir / "missing", dir / "dangling-link");

    struct Case {
        std::filesystem::path file;
        ErrorKind kind;
        const char* problem;
    };
    const Case cases[] = {
        {dir / "missing", ErrorKind::FileMissing, "不存在"},
        {dir / "dangling-link", ErrorKind::FileMissing, "不存在"},
        {dir / "garbage", ErrorKind::NotADatabase, "不是数据库文件"},
        {dir / "empty", ErrorKind::NotADatabase, "是空文件"},
        {dir / "cut-short", ErrorKind::NotADatabase, "已损坏"},
        {dir / "no-nlninfo", ErrorKind::SchemaMissing, "缺少表 nlninfo"},
        {dir / "no-lnna", ErrorKind::SchemaMissing, "表 nlninfo 缺少列 lnna"},
        {dir / "no-date-row", ErrorKind::BadData, "dbdate 中没有 id 为 1 的记录"},
        {dir / "view", ErrorKind::SchemaMissing, "nlninfo 是视图，不是表"},
        {dir / "virtual", ErrorKind::SchemaMissing, "nstinfo 是虚拟表，不是表"},
        {dir / "without-rowid", ErrorKind::SchemaMissing, "表 no 的行没有行号（WITHOUT ROWID）"},
        {dir / "every-row-id-name-taken", ErrorKind::SchemaMissing,
         "表 dbdate 的列占用了 rowid、_rowid_ 和 oid"},
        {dir / "walk-view", ErrorKind::SchemaMissing, "nstwalk 是视图，不是表"},
        {dir / "position-virtual", ErrorKind::SchemaMissing, "nstpos 是虚拟表，不是表"},
        {dir / "walk-columns", ErrorKind::SchemaMissing, "表 nstwalk 缺少列 metres"},
        {dir / "names-columns", ErrorKind::SchemaMissing, "表 nsttrans 缺少列 name"},
        {dir / "line-names-columns", ErrorKind::SchemaMissing, "表 nlntrans 缺少列 lang"},
        {dir / "folder", ErrorKind::NotAFile, "是一个文件夹，不是数据文件"},
        {dir / "fifo", ErrorKind::NotAFile, "是一个管道，不是数据文件"},
        {dir / "link-to-fifo", ErrorKind::NotAFile, "是一个管道，不是数据文件"},
        {"/dev/null", ErrorKind::NotAFile, "是一个设备，不是数据文件"},
    };
    for (const auto& c : cases) {
        auto error = openError(c.file);
        EXPECT_TRUE(error) << c.file;
        if (!error) continue;
        std::string message = error->what();
        EXPECT_EQ(error->kind(), c.kind) << c.file << ": " << message;
        EXPECT_NE(message.find("数据文件 “" + c.file.string() + "”"), std::string::npos)
            << c.file << ": " << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << c.file << ": " << message;
        expectNoEnglish(message, c.file);
    }
}

TEST(BusDatabase, StopsOnlyAStatementThatRunsLongerThanTheLimit) {
    TempDir dir;
    BusDatabase db(TestCity().write(dir / "busdata"), std::chrono::milliseconds(500));
    // Many short runs, together well beyond the limit, are no long statement: runs of one
    // statement, and statements prepared afresh (often at the address of the one before).
    const char* shortSql =
        "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n LIMIT 5000) "
        "SELECT count(*) FROM n";
    SQLite::Statement shortRun(db.connection(), shortSql);
    for (const bool afresh : {false, true}) {
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(1200)) {
            if (afresh) {
                SQLite::Statement fresh(db.connection(), shortSql);
                ASSERT_TRUE(fresh.executeStep());
                continue;
            }
            ASSERT_TRUE(shortRun.executeStep());
            EXPECT_EQ(shortRun.getColumn(0).getInt(), 5000);
            shortRun.reset();
        }
    }

    SQLite::Statement endless(db.connection(),
                              "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
                              "SELECT count(*) FROM n");
    std::string message;
    try {
        endless.executeStep();
    } catch (const SQLite::Exception& e) {
        try {
            db.fail(e);
        } catch (const Error& error) {
            message = error.what();
        }
    }
    EXPECT_NE(message.find("读取超过 500 毫秒仍未完成，已停止"), std::string::npos) << message;
}

TEST(BusDatabase, ReadsLineIdsInTableOrderAndTheDataDate) {
    TempDir dir;
    TestCity city;
    city.lineIds = {"3", "1", "2"};
    city.date = "2009.1.6";
    BusDatabase db(city.write(dir / "busdata"));
    EXPECT_EQ(db.lineIds(), (std::vector<std::string>{"3", "1", "2"}));
    EXPECT_EQ(db.dataDate(), "2009.1.6");
}

TEST(BusDatabase, KeepsTableOrderWhenColumnsTakeTheNamesOfTheRowId) {
    // A column called rowid (or _rowid_) hides the row id under that name; the rows keep their
    // table order as long as one of the three names still reaches it.
    const char* schemas[] = {
        R"(CREATE TABLE "no" (lineid TEXT, rowid TEXT);
           CREATE TABLE dbdate (id INTEGER, date TEXT, RowId INTEGER);)",
        R"(CREATE TABLE "no" (lineid TEXT, rowid TEXT, _ROWID_ TEXT);
           CREATE TABLE dbdate (id INTEGER, date TEXT, _rowid_ INTEGER, oid INTEGER);)",
    };
    for (const char* schema : schemas) {
        TempDir dir;
        writeSql(dir / "busdata", (std::string(schema) + R"(
            CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT,
                                  Passstna TEXT);
            CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);
            INSERT INTO "no" (lineid, rowid) VALUES ('3', 9), ('1', 8), ('2', 7);
            INSERT INTO dbdate (id, date) VALUES (2, 'wrong'), (1, '2009.1.6');
            INSERT INTO dbdate (id, date) VALUES (1, 'later');)")
                                      .c_str());
        BusDatabase db(dir / "busdata");
        EXPECT_EQ(db.lineIds(), (std::vector<std::string>{"3", "1", "2"})) << schema;
        EXPECT_EQ(db.dataDate(), "2009.1.6") << schema;
    }
}

TEST(BusDatabase, AcceptsColumnNamesInAnyLetterCase) {
    TempDir dir;
    writeSql(dir / "busdata", R"(
        CREATE TABLE "NO" (LineID TEXT);
        CREATE TABLE DbDate (ID INTEGER, Date TEXT);
        CREATE TABLE NLNINFO (LNID INTEGER, CITYCODE TEXT, LNNA TEXT, FLTIME TEXT, PASSSTNA TEXT);
        CREATE TABLE nstinfo (STNA TEXT, RDNA TEXT, NEAR TEXT, passlnna TEXT);
        INSERT INTO dbdate VALUES (1, '2009.1.6');)");
    BusDatabase db(dir / "busdata");
    EXPECT_EQ(db.dataDate(), "2009.1.6");
}

TEST(BusDatabase, NeverWritesTheFile) {
    TempDir dir;
    auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    auto before = std::filesystem::last_write_time(file);
    auto size = std::filesystem::file_size(file);
    {
        BusDatabase db(file);
        EXPECT_THROW(db.connection().exec("DELETE FROM nlninfo"), std::exception);
    }
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
    EXPECT_EQ(std::filesystem::file_size(file), size);
}

TEST(BusDatabase, RefusesAFileWhoseChangesStillWaitInItsLog) {
    TempDir dir;
    auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    {
        SQLite::Database writer(file.string(), SQLite::OPEN_READWRITE);
        writer.exec("PRAGMA journal_mode = WAL");
        writer.exec("UPDATE nlninfo SET lnna = '2路'");
        // The change is committed into busdata-wal and not yet copied into busdata.
        auto error = openError(file);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), ErrorKind::ReadFailed) << error->what();
        EXPECT_NE(std::string(error->what()).find("数据文件 “" + file.string() + "”"),
                  std::string::npos)
            << error->what();
        EXPECT_NE(std::string(error->what()).find("busdata-wal"), std::string::npos)
            << error->what();
    }
    // Closing the writer copies the change into busdata and removes the log.
    BusDatabase db(file);
    SQLite::Statement name(db.connection(), "SELECT lnna FROM nlninfo");
    ASSERT_TRUE(name.executeStep());
    EXPECT_EQ(name.getColumn(0).getString(), "2路");
}

TEST(BusDatabase, RefusesAFileLeftHalfWritten) {
    TempDir dir;
    auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    // What a writer that stopped in the middle of a commit leaves: a journal that still holds
    // the pages it was replacing.
    {
        SQLite::Database writer(file.string(), SQLite::OPEN_READWRITE);
        writer.exec("PRAGMA journal_mode = PERSIST; PRAGMA synchronous = OFF");
        writer.exec("BEGIN IMMEDIATE; UPDATE nlninfo SET lnna = '2路'");
        std::filesystem::copy_file(dir / "busdata-journal", dir / "saved-journal");
        writer.exec("COMMIT");
    }
    std::filesystem::copy_file(dir / "saved-journal", dir / "busdata-journal",
                               std::filesystem::copy_options::overwrite_existing);
    auto error = openError(file);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::ReadFailed) << error->what();
    EXPECT_NE(std::string(error->what()).find("busdata-journal"), std::string::npos)
        << error->what();
}

}  // namespace
}  // namespace busquery
