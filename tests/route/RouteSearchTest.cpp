#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "route/JourneySearch.h"
#include "route/RouteCity.h"

namespace busquery::test {
namespace {

// The stations of a city are those its lines name; each line lists every station on it.
TestCity withStations(TestCity city) {
    std::map<std::string, std::string> linesAt;
    std::vector<std::string> order;
    for (const LineRow& line : city.lines) {
        std::size_t at = 0;
        for (std::size_t end; (end = line.passstna.find(';', at)) != std::string::npos;
             at = end + 1) {
            const std::string name = line.passstna.substr(at, end - at);
            if (!linesAt.contains(name)) order.push_back(name);
            linesAt[name] += line.lnna + ";";
        }
    }
    for (const std::string& name : order) city.station(name, linesAt[name]);
    return city;
}

TEST(RouteSearchTest, DirectLinesInTableOrderWithTheirStretch) {
    const RouteCity city(withStations(TestCity{}
                                          .line("1路上行", "甲;乙;丙;丁;")
                                          .line("2路", "丙;乙;甲;")
                                          .line("3路", "戊;甲;丙;")
                                          .line("K5路", "甲;丙;甲;丙;")));
    struct Case {
        const char* from;
        const char* to;
        const char* expected;
    };
    const Case cases[] = {
        {"甲", "丙", "1路上行 2站 甲;乙;丙;\n3路 1站 甲;丙;\nK5路 1站 甲;丙;\n"},
        {"丙", "甲", "2路 2站 丙;乙;甲;\n"},  // K5路 passes 甲 first
        {"戊", "丁", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(city.direct(c.from, c.to), c.expected) << c.from;
}

TEST(RouteSearchTest, OneChangePlansRankedByStops) {
    const RouteCity city(withStations(TestCity{}
                                          .line("1路", "甲;乙;丙;")
                                          .line("5路", "甲;丙;")
                                          .line("2路", "丙;丁;")
                                          .line("3路", "乙;子;丑;丁;")));
    // Through 丙 on either of the lines there, counted by the first; through 乙 costs more.
    EXPECT_EQ(city.oneChange("甲", "丁"),
              "C=3: 甲 =1路/5路(2)=> 丙 =2路(1)=> 丁\n"
              "C=4: 甲 =1路(1)=> 乙 =3路(3)=> 丁\n");
    EXPECT_EQ(city.oneChange("癸", "丁"), "no origin\n");
    EXPECT_EQ(city.oneChange("甲", "癸"), "no destination\n");
}

TEST(RouteSearchTest, JourneysWithMoreChangesAndWalks) {
    const RouteCity city(withStations(TestCity{}
                                          .line("1路", "甲;乙;")
                                          .line("2路下行", "丙;丁;")
                                          .line("3路", "戊;己;")
                                          .line("4路", "丁;壬;")
                                          .line("5路", "壬;癸;"))
                             .station("庚", "")
                             .station("辛", ""),
                         walk("乙", "丙", 320) + walk("庚", "戊", 200) + walk("己", "辛", 150));
    struct Case {
        const char* from;
        const char* to;
        const char* expected;
    };
    const Case cases[] = {
        {"甲", "丁", "C=2: 甲 =1路(1)=> 乙 ~320米~ 丙 =2路下行(1)=> 丁\n"},
        {"庚", "辛", "C=1: 庚 ~200米~ 戊 =3路(1)=> 己 ~150米~ 辛\n"},
        {"甲", "癸",
         "C=4: 甲 =1路(1)=> 乙 ~320米~ 丙 =2路下行(1)=> 丁 =4路(1)=> 壬 =5路(1)=> 癸\n"},
        {"庚", "戊", ""},  // a walk alone is no journey
        {"丁", "甲", ""},  // the lines run one way only
    };
    for (const auto& c : cases) {
        EXPECT_EQ(city.journeys(c.from, c.to), c.expected) << c.from << " → " << c.to;
    }
}

// A chain of lines 1路 站0→站1, 2路 站1→站2, …
TestCity chain(int rides) {
    TestCity city;
    for (int i = 0; i < rides; ++i) {
        city.line(std::to_string(i + 1) + "路",
                  "站" + std::to_string(i) + ";站" + std::to_string(i + 1) + ";");
    }
    return withStations(city);
}

TEST(RouteSearchTest, JourneysOfFiveRidesAtMostAndTenAtMost) {
    EXPECT_EQ(RouteCity(chain(5)).journeys("站0", "站5"),
              "C=5: 站0 =1路(1)=> 站1 =2路(1)=> 站2 =3路(1)=> 站3 =4路(1)=> 站4 =5路(1)=> 站5\n");
    EXPECT_EQ(RouteCity(chain(6)).journeys("站0", "站6"), "");

    // Twelve ways of two rides that cost the same: the first ten by their lines in table order.
    TestCity twelve;
    std::string expected;
    for (int i = 1; i <= 12; ++i) {
        const std::string via = "中" + std::to_string(i);
        twelve.line("A" + std::to_string(i), "甲;" + via + ";");
        twelve.line("B" + std::to_string(i), via + ";丁;");
    }
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        expected += "C=2: 甲 =A" + n + "(1)=> 中" + n + " =B" + n + "(1)=> 丁\n";
    }
    EXPECT_EQ(RouteCity(withStations(twelve)).journeys("甲", "丁"), expected);
}

// The search numbers its queries, passes and rounds to tell current marks from old ones without
// clearing them; before a number would wrap round, every mark is cleared. Searches on either
// side of that point answer as a fresh state does.
TEST(RouteSearchTest, JourneysAreTheSameWhereTheSearchNumbersWrapRound) {
    const RouteCity city(withStations(TestCity{}
                                          .line("1路", "甲;乙;子1;子2;子3;子;")
                                          .line("2路", "丙;丁;")
                                          .line("3路", "丁;戊;")
                                          .line("4路", "子;丑;寅;戊;")),
                         walk("乙", "丙", 90));
    const std::pair<const char*, const char*> asked[] = {
        {"甲", "戊"}, {"甲", "丁"}, {"乙", "戊"}, {"甲", "戊"}};
    std::vector<std::string> fresh;
    for (const auto& [from, to] : asked) fresh.push_back(city.journeys(from, to));
    ASSERT_EQ(fresh[0],
              "C=8: 甲 =1路(5)=> 子 =4路(3)=> 戊\n"
              "C=3: 甲 =1路(1)=> 乙 ~90米~ 丙 =2路(1)=> 丁 =3路(1)=> 戊\n");

    constexpr std::uint32_t kRides = JourneySearch::kMaxRides;
    using Counter = std::uint32_t JourneySearchState::*;
    const std::pair<Counter, std::uint32_t> counters[] = {
        {&JourneySearchState::query, UINT32_MAX - 1},
        {&JourneySearchState::query, UINT32_MAX},
        {&JourneySearchState::search, UINT32_MAX - 2 * kRides - 4},
        {&JourneySearchState::search, UINT32_MAX - 2 * kRides + 1},
        {&JourneySearchState::roundStamp, UINT32_MAX - 64 * (kRides + 2) - 8},
        {&JourneySearchState::roundStamp, UINT32_MAX - 64 * (kRides + 2) + 1},
    };
    for (const auto& [counter, value] : counters) {
        SCOPED_TRACE(value);
        JourneySearchState state;
        city.journeys("乙", "戊", state);
        state.*counter = value;
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            EXPECT_EQ(city.journeys(asked[i].first, asked[i].second, state), fresh[i]) << i;
        }
    }
}

}  // namespace
}  // namespace busquery::test
