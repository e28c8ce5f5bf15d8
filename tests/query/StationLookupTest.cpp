#include "query/StationLookup.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include "query/PieceRecorder.h"
#include "query/Query.h"
#include "query/Renderer.h"
#include "reference/ReferenceStationSearch.h"
#include "search/PinyinText.h"
#include "support/SampleFixture.h"
#include "support/StationTexts.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;
using Names = std::vector<std::string>;

class StationLookupTest : public ::testing::Test {
  protected:
    StationLookupTest() {
        TestCity city;
        city.station("东桥", "5路;5路;12路;", "西山大道", "南湖公园")
            .station("东桥北", "", "", "南湖公园")
            .station("东桥南", "12路;", "西山", "")
            .station("东桥西", "7路;", "西山大道", "")
            .station("东桥东", "8路;", "中山路", "")
            .station("东桥口", "9路;", "中山", "")
            .station("甲站", "1路;", "Main St")
            .station("it's站", "2路;")
            .station("a_b站", "3路;")
            .station("a%b站", "4路;")
            .station("乙站", "6路;")   // its name becomes Null below
            .station("丙站", "6路;");  // its line list becomes Null below
        file_ = city.write(dir_ / "busdata");
        SQLite::Database db(file_.string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE nstinfo SET stna = NULL WHERE stna = '乙站'");
        db.exec("UPDATE nstinfo SET Passlnna = NULL WHERE stna = '丙站'");
        data_.refresh();
    }

    // The pieces of one station lookup, checked against the statement path.
    std::vector<Piece> lookUp(const std::string& typed, const std::string& picked) {
        QueryState expectedState;
        expectedState.strQueryFrom = typed;
        Answer answer, reference;
        answer.mode = reference.mode = QueryMode::SingleStation;
        answer.stations = stationLookup(data_.index(), picked, typed);
        reference.stations = test::referenceStationLookup(data_.database(), picked, expectedState);
        EXPECT_EQ(answer.stations, reference.stations) << typed << " / " << picked;
        PieceRecorder pane, expected;
        render(answer, pane);
        render(reference, expected);
        EXPECT_EQ(pane.pieces(), expected.pieces()) << typed << " / " << picked;
        EXPECT_EQ(static_cast<std::int32_t>(answer.stations.size()), expectedState.lngRecordNum);
        return pane.pieces();
    }

    // The station names listed, in order.
    Names stations(const std::string& typed, const std::string& picked = "") {
        Names listed;
        for (const auto& piece : lookUp(typed, picked)) {
            if (piece.rgb == colours::kStationBlue) listed.push_back(piece.text);
        }
        return listed;
    }

    TempDir dir_;
    std::filesystem::path file_;
    BusData data_{dir_ / "busdata"};
};

TEST_F(StationLookupTest, TypedAndPickedTextsAndTheStationsTheyList) {
    const Names allDongqiao{"东桥:", "东桥北:", "东桥东:", "东桥口:", "东桥南:", "东桥西:"};
    struct Case {
        const char* typed;
        const char* picked;
        Names listed;
    };
    const Case cases[] = {
        {"东桥", "", allDongqiao},
        {"桥北", "", {"东桥北:"}},
        // A road of three or more characters narrows the search; of two it does not.
        {"x", "东桥[西山大道]{南湖公园}", {"东桥:", "东桥西:"}},
        {"x", "东桥[中山路]", {"东桥东:"}},
        {"x", "东桥[西山]", allDongqiao},
        {"x", "东桥[中山]", allDongqiao},
        {"x", "东桥[Main St]", {}},
        {"x", "甲站[MAIN ST]", {"甲站:"}},  // the road ignores ASCII case too
        // A picked line is used even when the box was edited afterwards.
        {"东桥[西山大道]{南湖公园}改", "东桥[西山大道]{南湖公园}", {"东桥:", "东桥西:"}},
        // stna{near} is cut at "{"; "[" without "]" gives no road part.
        {"x", "东桥北{南湖公园}", {"东桥北:"}},
        {"x", "东桥[西山大道", allDongqiao},
        {"x", "东桥{南湖[西山大道]}", allDongqiao},
        {"x", "东桥", allDongqiao},
        // Quote and underscore match only themselves; "%" is not removed here.
        {"it's", "", {"it's站:"}},
        {"IT'", "", {"it's站:"}},
        {"'站", "", {}},
        {"a_", "", {"a_b站:"}},
        {"a%", "", {"a%b站:"}},
        {"_b", "", {"a_b站:"}},
        {"xx", "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stations(c.typed, c.picked), c.listed) << c.typed << " / " << c.picked;
    }
}

TEST_F(StationLookupTest, WritesNameColonThenTheDistinctLinesOneEmptyLineApart) {
    const Rgb blue = colours::kStationBlue;
    const Rgb black = colours::kBlack;
    // 东桥北 has no lines: its name and the colon only.
    const std::vector<Piece> expected{
        {"东桥:", blue, false},     {"5路", black, false},    {"、12路", black, false},
        {"\r\n\r\n", black, false}, {"东桥北:", blue, false}, {"\r\n\r\n", black, false},
        {"东桥东:", blue, false},   {"8路", black, false},    {"\r\n\r\n", black, false},
        {"东桥口:", blue, false},   {"9路", black, false},    {"\r\n\r\n", black, false},
        {"东桥南:", blue, false},   {"12路", black, false},   {"\r\n\r\n", black, false},
        {"东桥西:", blue, false},   {"7路", black, false}};
    EXPECT_EQ(lookUp("东桥", ""), expected);
}

TEST_F(StationLookupTest, NullNameAndNullLineListReadAsEmpty) {
    auto pieces = lookUp("丙站", "");
    EXPECT_EQ(pieces, (std::vector<Piece>{{"丙站:", colours::kStationBlue, false}}));
    // A picked landmark-only line without a name searches for the empty name: every station.
    auto all = stations("x", "{无}");
    ASSERT_EQ(all.size(), 12u);
    EXPECT_EQ(all.front(), ":");
}

TEST_F(StationLookupTest, QueryUsesThePickedLineAndSetsTheOutcome) {
    Query query(data_);
    PieceRecorder pane;
    EXPECT_EQ(query.run({"", "东桥[西山大道]改", "", "", "东桥[西山大道]"}, pane).mode,
              QueryMode::SingleStation);
    EXPECT_EQ(query.state().intOutState, OutcomeCode::StationsListed);
    EXPECT_EQ(query.state().lngRecordNum, 2);

    query.run({"", "无此站", "", "", ""}, pane);
    EXPECT_EQ(query.state().intOutState, OutcomeCode::NoStation);
    EXPECT_EQ(query.state().lngRecordNum, 0);
    EXPECT_TRUE(pane.pieces().empty());
}

// Texts that name no station by its characters as they stand: pinyin, other case, no accents.
TEST(StationLookupAdditions, PinyinAndLooseNamesFindWhatCharactersDoNot) {
    TempDir dir;
    TestCity city;
    city.station("东桥", "5路;5路;12路;", "西山大道")
        .station("东桥电影院", "7路;")
        .station("大桥", "8路;", "西山大道")
        .station("重庆路", "9路;")
        .station("Dq站", "10路;")
        .station("École", "11路;")
        .station("Ecole Z", "12路;")
        .station("Žirmūnai", "13路;");
    BusData data(city.write(dir / "busdata"));
    data.refresh();

    struct Case {
        const char* typed;
        const char* picked;
        std::vector<StationEntry> listed;
    };
    const StationEntry dongqiao{"东桥", {"5路", "12路"}}, cinema{"东桥电影院", {"7路"}},
        daqiao{"大桥", {"8路"}}, chongqing{"重庆路", {"9路"}}, dq{"Dq站", {"10路"}},
        ecole{"École", {"11路"}}, ecoleZ{"Ecole Z", {"12路"}}, zirmunai{"Žirmūnai", {"13路"}};
    const Case cases[] = {
        // Pinyin takes the place of "no station"; a name in letters is found as it is.
        {"dqd", "", {cinema}},
        {"dongqiao", "", {dongqiao, cinema}},
        {"DQIAO", "", {daqiao, dongqiao, cinema}},
        {"dq", "", {dq}},
        {"cql", "", {chongqing}},
        {"chongqing", "", {chongqing}},
        {"zhongqing", "", {}},
        {"qiao", "", {}},
        {"dq1", "", {}},
        // A picked road narrows the pinyin rows as it narrows the others.
        {"x", "dqiao[西山大道]", {daqiao, dongqiao}},
        // Case and accents ignored: the rows follow those found as the name stands.
        {"ecole", "", {ecoleZ, ecole}},
        {"ÉCOLE", "", {ecole, ecoleZ}},
        {"zirm", "", {zirmunai}},
        {"ŽIRMŪNAI", "", {zirmunai}},
        {"东桥", "", {dongqiao, cinema}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stationLookup(data.index(), c.picked, c.typed), c.listed) << c.typed;
    }

    // Through the query, rendered like any station lookup.
    Query query(data);
    PieceRecorder pane;
    query.run({"", "dqd", "", "", ""}, pane);
    EXPECT_EQ(query.state().intOutState, OutcomeCode::StationsListed);
    EXPECT_EQ(pane.pieces(), (std::vector<Piece>{{"东桥电影院:", colours::kStationBlue, false},
                                                 {"7路", colours::kBlack, false}}));
}

TEST(StationSearchParts, CutsThePickedLineOrTakesTheTypedText) {
    struct Case {
        const char* picked;
        const char* typed;
        StationSearchParts parts;
    };
    const Case cases[] = {
        {"", "东桥[西山大道]", {"东桥[西山大道]", ""}},  // typed text is used whole
        {"东桥[abc]", "x", {"东桥", "abc"}},
        {"东桥[ab]", "x", {"东桥", ""}},
        {"东桥[]", "x", {"东桥", ""}},
        {"[西山大道]", "x", {"", "西山大道"}},
        {"东桥[西山大道]改", "x", {"东桥", "西山大道"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stationSearchParts(c.picked, c.typed), c.parts) << c.picked << " / " << c.typed;
    }
}

TEST(AddLine, KeepsFirstOccurrencesAndGrowsWithoutLimit) {
    std::vector<std::string> arrLnna;
    for (const char* name : {"5路", "", "5路", "12路", "5路", "B1", "b1"}) addLine(arrLnna, name);
    EXPECT_EQ(arrLnna, (std::vector<std::string>{"5路", "12路", "B1", "b1"}));

    arrLnna.clear();
    for (int i = 0; i < 10001; ++i) addLine(arrLnna, std::to_string(i) + "路");
    ASSERT_EQ(arrLnna.size(), 10001u);
    EXPECT_EQ(arrLnna.front(), "0路");
    EXPECT_EQ(arrLnna.back(), "10000路");
}

TEST(StationLookupDifferential, IndexWritesWhatTheStatementWritesOnTheSampleCity) {
    BusData data(test::sampleCityFile());
    data.refresh();

    struct Entry {
        std::string typed;
        std::string picked;
    };
    std::vector<Entry> entries;
    // The texts are pieces of Chinese names, never pinyin: the answers must be the statement's
    // exactly. Pinyin rows, which only take the place of "no station", are tested above.
    for (auto& text : test::drawStationTexts(data.index(), 1000, 1)) {
        ASSERT_FALSE(isPinyinText(text)) << text;
        entries.push_back({text, ""});
    }
    for (auto& line : test::drawPickedLines(data.index(), 1000, 2)) entries.push_back({"x", line});

    std::size_t found = 0;
    for (const auto& e : entries) {
        QueryState expectedState;
        expectedState.strQueryFrom = e.typed;
        Answer answer, reference;
        answer.mode = reference.mode = QueryMode::SingleStation;
        answer.stations = stationLookup(data.index(), e.picked, e.typed);
        reference.stations = test::referenceStationLookup(data.database(), e.picked, expectedState);
        ASSERT_EQ(answer.stations, reference.stations) << e.typed << " / " << e.picked;
        PieceRecorder pane, expected;
        render(answer, pane);
        render(reference, expected);
        ASSERT_EQ(pane.pieces(), expected.pieces()) << e.typed << " / " << e.picked;
        ASSERT_EQ(static_cast<std::int32_t>(answer.stations.size()), expectedState.lngRecordNum);
        found += !answer.stations.empty();
    }
    EXPECT_GT(found, entries.size() / 2);
}

}  // namespace
}  // namespace busquery
