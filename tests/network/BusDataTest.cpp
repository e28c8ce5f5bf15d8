#include "network/BusData.h"

#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

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
    EXPECT_EQ(index.stations[0].rdna, "");
    EXPECT_TRUE(index.stations[1].lines.empty());
    EXPECT_EQ(index.cityLinesByLnid, (std::vector<std::uint32_t>{0, 1}));

    std::vector<std::string> names;
    for (auto i : index.stationsByName())
        names.push_back(index.stations[i].stna + index.stations[i].rdna);
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

}  // namespace
}  // namespace busquery
