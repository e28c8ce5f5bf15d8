#include "db/BusDatabase.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <fstream>

#include "db/BusData.h"
#include "db/DatabaseError.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;

std::string openError(const std::filesystem::path& file) {
    try {
        BusDatabase db(file);
        db.dataDate();
    } catch (const DatabaseError& e) {
        return e.what();
    }
    return "";
}

void writeSql(const std::filesystem::path& file, const char* sql) {
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(sql);
}

constexpr const char* kFullSchema = R"(
    CREATE TABLE "no" (lineid TEXT);
    CREATE TABLE dbdate (id INTEGER, date TEXT);
    CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT, Passstna TEXT);
    CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);
)";

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

TEST(BusDatabase, NeverWritesTheFileButHasAScratchTable) {
    TempDir dir;
    auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    auto before = std::filesystem::last_write_time(file);
    auto size = std::filesystem::file_size(file);
    {
        BusDatabase db(file);
        db.connection().exec(
            "INSERT INTO TmpTb (UserId, S, M, E, C) VALUES ('U1', 's', 'm', 'e', 3)");
        EXPECT_EQ(db.connection().execAndGet("SELECT count(*) FROM TmpTb").getInt(), 1);
        EXPECT_THROW(db.connection().exec("DELETE FROM nlninfo"), std::exception);
    }
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
    EXPECT_EQ(std::filesystem::file_size(file), size);
    BusDatabase again(file);
    EXPECT_EQ(again.connection().execAndGet("SELECT count(*) FROM main.TmpTb").getInt(), 0);
}

TEST(NetworkIndex, NullTextReadsAsEmptyAndStationsSortByPinyin) {
    TempDir dir;
    auto file = dir / "busdata";
    writeSql(file, (std::string(kFullSchema) + R"(
        INSERT INTO dbdate VALUES (1, '2009.1.6');
        INSERT INTO nlninfo VALUES (1, 'velmorina', '1路', NULL, '西;安;');
        INSERT INTO nlninfo VALUES (2, 'VELMORINA', '2路', '', NULL);
        INSERT INTO nlninfo VALUES (3, 'elsewhere', '3路', '', '');
        INSERT INTO nstinfo VALUES ('西', NULL, NULL, '1路;');
        INSERT INTO nstinfo VALUES ('中', 'a', 'b', NULL);
        INSERT INTO nstinfo VALUES ('安', '', '', '1路;');
        INSERT INTO nstinfo VALUES ('北', '', '', '');
        INSERT INTO nstinfo VALUES ('东', '', '', '');
        INSERT INTO nstinfo VALUES ('安', 'x', '', '');
    )")
                       .c_str());
    BusData data(file);
    data.refresh();
    const auto& index = data.index();
    EXPECT_EQ(index.lines[0].fltime, "");
    EXPECT_EQ(index.lines[1].passstna, "");
    EXPECT_TRUE(index.lines[1].stops.empty());
    EXPECT_EQ(index.stations[0].rdna, "");
    EXPECT_TRUE(index.stations[1].lines.empty());
    EXPECT_EQ(index.cityLinesByLnid, (std::vector<std::uint32_t>{0, 1}));

    std::vector<std::string> names;
    for (auto i : index.stationsByName)
        names.push_back(index.stations[i].stna + index.stations[i].rdna);
    // an, an (same name: table order), bei, dong, xi, zhong
    EXPECT_EQ(names, (std::vector<std::string>{"安", "安x", "北", "东", "西", "中a"}));
}

TEST(BusData, RebuildsTheIndexWhenTheFileIsReplaced) {
    TempDir dir;
    auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    BusData data(file);
    data.refresh();
    ASSERT_EQ(data.index().lines.size(), 1u);

    auto replacement = TestCity{}.line("1路", "甲;乙;").line("2路", "乙;丙;").write(dir / "new");
    std::filesystem::rename(replacement, file);
    data.refresh();
    EXPECT_EQ(data.index().lines.size(), 2u);

    std::filesystem::remove(file);
    EXPECT_THROW(data.refresh(), DatabaseError);
}

}  // namespace
}  // namespace busquery
