#include "network/BusData.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <numeric>
#include <set>

#include <random>

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

// Counts how often an index derived from the network is built: it is built once per content.
struct CountedDerivedIndex {
    static inline int builds = 0;
    static CountedDerivedIndex build(const NetworkIndex&) {
        ++builds;
        return {};
    }
};

int buildsAfterUse(const BusData& data) {
    data.index().derived<CountedDerivedIndex>();
    return CountedDerivedIndex::builds;
}

std::vector<std::string> lineNames(const NetworkIndex& index) {
    std::vector<std::string> names;
    for (const auto& line : index.lines) names.emplace_back(line.lnna);
    return names;
}

std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct timespec modified(const std::filesystem::path& file) {
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0);
    return st.st_mtim;
}

void setModified(const std::filesystem::path& file, struct timespec time) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, time};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
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
    EXPECT_EQ(index.stations()[0].rdna, "");
    EXPECT_TRUE(index.stations()[1].lines.empty());
    EXPECT_EQ(index.cityLinesByLnid, (std::vector<std::uint32_t>{0, 1}));

    std::vector<std::string> names;
    for (auto i : index.stationsByName())
        names.push_back(std::string(index.stations()[i].stna) +
                        std::string(index.stations()[i].rdna));
    // an, an (same name: table order), bei, dong, xi, zhong
    EXPECT_EQ(names, (std::vector<std::string>{"安", "安x", "北", "东", "西", "中a"}));
}

TEST(NetworkIndex, NameOrderIsTheOrderOfTheCollatingStatement) {
    // Names drawn from pieces that collate equal, differ by ASCII case, or are not UTF-8.
    const std::vector<std::string> pieces = {"东",   "桥",       "A", "a", "B", "重庆", "长", "",
                                             "\xff", "\xe4\xb8", " ", "1", "é", "e",    "路"};
    std::mt19937 random(11);
    TestCity city;
    for (int i = 0; i < 600; ++i) {
        std::string name;
        for (int k = static_cast<int>(random() % 4); k > 0; --k)
            name += pieces[random() % pieces.size()];
        city.station(name, "");
    }
    TempDir dir;
    BusData data(city.write(dir / "busdata"));
    data.refresh();
    SQLite::Statement rows(data.database().connection(),
                           "SELECT rowid FROM nstinfo ORDER BY stna COLLATE pinyin, rowid");
    std::vector<std::uint32_t> expected;
    while (rows.executeStep()) expected.push_back(rows.getColumn(0).getInt() - 1);
    EXPECT_EQ(data.index().stationsByName(), expected);
}

TEST(NetworkIndex, AnswersForTheCityTheDatabaseHolds) {
    struct Case {
        std::vector<std::pair<long long, std::string>> lines;  // lnid, citycode
        std::string city;
        std::vector<std::uint32_t> cityLines;
    };
    const Case cases[] = {
        {{{1, "velmorina"}, {2, "velmorina"}}, "velmorina", {0, 1}},
        // Velmorina's lines are the answer wherever they stand; another city's are kept aside.
        {{{1, "elsewhere"}, {2, "VELMORINA"}}, "velmorina", {1}},
        // An imported city: the first in lnid order is the one answered for.
        {{{5, "vilnius"}, {3, "riga"}, {4, "Vilnius"}}, "riga", {1}},
        {{{1, "vilnius"}, {2, "Vilnius"}}, "vilnius", {0, 1}},
        {{}, "", {}},
    };
    for (const auto& c : cases) {
        TestCity city;
        for (const auto& [lnid, code] : c.lines) city.line("1路", "甲;乙;", "", lnid, code);
        TempDir dir;
        BusData data(city.write(dir / "busdata"));
        data.refresh();
        EXPECT_EQ(data.index().city, c.city);
        EXPECT_EQ(data.index().cityLinesByLnid, c.cityLines) << c.city;
    }
}

TEST(NetworkIndex, KeepsTableOrderWhenAColumnIsCalledRowid) {
    // The column holds the same value in every row: read as the row id, every row would be the
    // first one.
    const char* columns[] = {"rowid TEXT", "RowID INTEGER, oid INTEGER",
                             "_rowid_ TEXT, rowid TEXT"};
    for (const char* column : columns) {
        TempDir dir;
        writeSql(dir / "busdata", (std::string(R"(
            CREATE TABLE "no" (lineid TEXT);
            CREATE TABLE dbdate (id INTEGER, date TEXT);
            CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT,
                                  Passstna TEXT, )") +
                                   column + R"();
            CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT, )" +
                                   column +
                                   R"();
            INSERT INTO dbdate VALUES (1, '2009.1.6');
            INSERT INTO nlninfo (lnid, citycode, lnna, rowid)
                VALUES (2, 'velmorina', '1路', 1), (1, 'velmorina', '2路', 1),
                       (3, 'velmorina', '3路', 1);
            INSERT INTO nstinfo (stna, rowid) VALUES ('西', 1), ('安', 1), ('北', 1);)")
                                      .c_str());
        BusData data(dir / "busdata");
        data.refresh();
        const auto& index = data.index();
        EXPECT_EQ(lineNames(index), (std::vector<std::string>{"1路", "2路", "3路"})) << column;
        EXPECT_EQ(index.linesByLnid, (std::vector<std::uint32_t>{1, 0, 2})) << column;
        EXPECT_EQ(index.stationsByName(), (std::vector<std::uint32_t>{1, 2, 0})) << column;
    }
}

TEST(NetworkIndex, ReadsWalksOfWholeMetresUpToTheBoundOfAStation) {
    struct Case {
        const char* rows;  // of nstwalk
        std::vector<std::uint32_t> kept;
        std::uint64_t withoutLength;
        std::uint64_t beyondBound;
    };
    // A station's walks one metre longer each: n rows from 甲.
    auto manyWalks = [](int n) {
        std::string rows;
        for (int k = 1; k <= n; ++k) {
            rows +=
                std::string(rows.empty() ? "" : ",") + "('甲', '乙', " + std::to_string(k) + ")";
        }
        return rows;
    };
    std::vector<std::uint32_t> first64(NetworkIndex::kMostWalksPerStation);
    std::iota(first64.begin(), first64.end(), 1u);
    const Case cases[] = {
        {"('甲', '乙', 7), ('甲', '乙', 'abc'), ('甲', '乙', X'00'), ('甲', '乙', -0.5), "
         "('甲', '乙', '0x10'), ('甲', '乙', 12.0), ('甲', '乙', '5'), ('甲', '乙', -1), "
         "('甲', '乙', NULL), ('甲', NULL, 3), ('乙', '甲', 0)",
         {7, 12, 5, 0},
         7,
         0},  // the column's integer affinity stores 12.0 and '5' as integers
        {nullptr, first64, 0, 6},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto file = TestCity{}
                              .line("1路", "甲;乙;")
                              .station("甲", "1路;")
                              .station("乙", "1路;")
                              .write(dir / "busdata");
        const std::string rows = c.rows ? c.rows : manyWalks(70);
        writeSql(file, ("DELETE FROM nstwalk; INSERT INTO nstwalk VALUES " + rows + ";").c_str());
        BusData data(file);
        data.refresh();
        std::vector<std::uint32_t> kept;
        for (const WalkInfo& walk : data.index().walks()) kept.push_back(walk.metres);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(data.index().walksWithoutLength(), c.withoutLength);
        EXPECT_EQ(data.index().walksBeyondBound(), c.beyondBound);
    }
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
    EXPECT_THROW(data.refresh(), Error);
}

TEST(BusData, KeepsTheIndexWhileTheFileIsUnchanged) {
    TempDir dir;
    auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    BusData data(file);
    data.refresh();
    const NetworkIndex* first = &data.index();
    int builds = buildsAfterUse(data);
    for (int i = 0; i < 3; ++i) {
        data.refresh();
        EXPECT_EQ(&data.index(), first);
        EXPECT_EQ(buildsAfterUse(data), builds);
    }
}

TEST(BusData, PicksUpAFileRewrittenInPlaceWithItsSizeAndTimeKept) {
    struct Case {
        const char* how;
        void (*rewrite)(const std::filesystem::path& file, const std::filesystem::path& dir);
    };
    const Case cases[] = {
        {"a statement changes a row",
         [](const std::filesystem::path& file, const std::filesystem::path&) {
             test::writeSql(file, "UPDATE nlninfo SET lnna = '2路'");
         }},
        {"another data set is copied over it",
         [](const std::filesystem::path& file, const std::filesystem::path& dir) {
             auto other = TestCity{}.line("2路", "甲;乙;").write(dir / "other");
             std::filesystem::copy_file(other, file,
                                        std::filesystem::copy_options::overwrite_existing);
         }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
        BusData data(file);
        data.refresh();
        int builds = buildsAfterUse(data);
        auto size = std::filesystem::file_size(file);
        auto time = modified(file);

        c.rewrite(file, dir.path());
        setModified(file, time);
        ASSERT_EQ(std::filesystem::file_size(file), size) << c.how;
        ASSERT_EQ(modified(file).tv_nsec, time.tv_nsec) << c.how;

        data.refresh();
        EXPECT_EQ(lineNames(data.index()), std::vector<std::string>{"2路"}) << c.how;
        EXPECT_EQ(buildsAfterUse(data), builds + 1) << c.how;
    }
}

TEST(BusData, LeavesNothingBesideTheFile) {
    for (const char* mode : {"DELETE", "WAL", "TRUNCATE", "PERSIST"}) {
        TempDir dir;
        auto folder = dir / "program";
        std::filesystem::create_directory(folder);
        auto file = TestCity{}.line("1路", "甲;乙;").write(folder / "busdata");
        writeSql(file, (std::string("PRAGMA journal_mode = ") + mode).c_str());
        ASSERT_EQ(filesIn(folder), std::set<std::string>{"busdata"}) << mode;

        // An install folder is read-only; root may still write there, so look at what appears.
        std::filesystem::permissions(folder, std::filesystem::perms(0555));
        {
            BusData data(file);
            data.refresh();
            EXPECT_EQ(lineNames(data.index()), std::vector<std::string>{"1路"}) << mode;
            EXPECT_EQ(data.database().dataDate(), "2009.1.6") << mode;
            data.database().connection().exec("CREATE TEMP TABLE TmpTb (C INTEGER)");
            EXPECT_EQ(filesIn(folder), std::set<std::string>{"busdata"}) << mode;
        }
        EXPECT_EQ(filesIn(folder), std::set<std::string>{"busdata"}) << mode;
        std::filesystem::permissions(folder, std::filesystem::perms(0755));
    }
}

TEST(BusData, AnswersFromChangesOnlyOnceTheyAreInTheFile) {
    TempDir dir;
    auto file = TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    writeSql(file, "PRAGMA journal_mode = WAL");
    BusData data(file);
    data.refresh();
    ASSERT_EQ(lineNames(data.index()), std::vector<std::string>{"1路"});
    {
        SQLite::Database writer(file.string(), SQLite::OPEN_READWRITE);
        writer.exec("UPDATE nlninfo SET lnna = '2路'");
        // The change sits in busdata-wal: the old content is no longer what the file holds,
        // and the log cannot be read without writing beside the file.
        EXPECT_THROW(data.refresh(), Error);
    }
    data.refresh();
    EXPECT_EQ(lineNames(data.index()), std::vector<std::string>{"2路"});
}

}  // namespace
}  // namespace busquery
