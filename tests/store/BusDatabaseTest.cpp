#include "store/BusDatabase.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <fstream>

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

std::string openError(const std::filesystem::path& file) {
    try {
        BusDatabase db(file);
        db.dataDate();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

TEST(BusDatabaseFailure, NamesTheFileAndTheProblem) {
    TempDir dir;
    std::ofstream(dir / "garbage") << "this is not a database, just some text that is long enough";
    writeSql(dir / "no-nlninfo", R"(
        CREATE TABLE "no" (lineid TEXT); CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);)");
    writeSql(dir / "no-lnna", R"(
        CREATE TABLE "no" (lineid TEXT); CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, fltime TEXT, Passstna TEXT);
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);)");
    writeSql(dir / "no-date-row",
             (std::string(kFullSchema) + "INSERT INTO dbdate VALUES (2, '2009.1.6');").c_str());
    std::filesystem::create_directory(dir / "folder");

    struct Case {
        const char* file;
        const char* problem;
    };
    const Case cases[] = {
        {"missing", "不存在"},
        {"garbage", "不是数据库文件"},
        {"no-nlninfo", "缺少表 nlninfo"},
        {"no-lnna", "表 nlninfo 缺少列 lnna"},
        {"no-date-row", "dbdate 中没有 id 为 1 的记录"},
        {"folder", "文件夹"},
    };
    for (const auto& c : cases) {
        std::string message = openError(dir / c.file);
        EXPECT_NE(message.find((dir / c.file).string()), std::string::npos)
            << c.file << ": " << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << c.file << ": " << message;
    }
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

}  // namespace
}  // namespace busquery
