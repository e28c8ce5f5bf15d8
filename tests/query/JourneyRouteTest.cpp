#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "query/OutcomeMessage.h"
#include "query/PieceRecorder.h"
#include "query/Renderer.h"
#include "query/RouteSearch.h"
#include "reference/ReferenceRouteSearch.h"
#include "support/PiecePrinting.h"
#include "support/SqlFile.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TestCity;
using Pieces = std::vector<Piece>;

constexpr Rgb kHead = colours::kStationBlue;
constexpr Rgb kWord = colours::kBlack;
constexpr Rgb kEnd = colours::kPurple;
constexpr Rgb kChange = colours::kRed;
constexpr Rgb kWalk{0, 128, 0};

struct Asked {
    OutcomeCode outcome;
    Answer answer;
    Pieces pieces;
};

// A city written to a file with its walks (SQL run on the written file), asked by route.
class JourneyCity {
  public:
    explicit JourneyCity(const TestCity& city, const std::string& walkSql = "")
        : data_(write(city, walkSql)) {
        data_.refresh();
    }

    Asked ask(const std::string& from, const std::string& to) {
        const Answer answer = routeAnswer(routeSearch(data_.index(), state_, from, to));
        PieceRecorder pane;
        render(answer, pane);
        return {answer.outcome, answer, pane.pieces()};
    }

    BusDatabase& database() { return data_.database(); }

  private:
    std::filesystem::path write(const TestCity& city, const std::string& walkSql) {
        const auto file = city.write(dir_ / "busdata");
        if (!walkSql.empty()) test::writeSql(file, walkSql.c_str());
        return file;
    }

    test::TempDir dir_;
    BusData data_;
    RouteSearchState state_;
};

// Both directions of a walk.
std::string walk(const std::string& a, const std::string& b, int metres) {
    const std::string m = std::to_string(metres);
    return "INSERT INTO nstwalk VALUES ('" + a + "', '" + b + "', " + m + "), ('" + b + "', '" + a +
           "', " + m + ");";
}

// A chain of lines 1路 a0→a1, 2路 a1→a2, …: `rides` rides from a0 to a<rides>, stations known.
TestCity chain(int rides) {
    TestCity city;
    auto name = [](int i) { return "站" + std::to_string(i); };
    for (int i = 0; i < rides; ++i) {
        city.line(std::to_string(i + 1) + "路上行", name(i) + ";" + name(i + 1) + ";");
    }
    for (int i = 0; i <= rides; ++i) {
        std::string lines;
        if (i > 0) lines += std::to_string(i) + "路上行;";
        if (i < rides) lines += std::to_string(i + 1) + "路上行;";
        city.station(name(i), lines);
    }
    return city;
}

std::vector<std::string> lineSequence(const Plan& journey) {
    std::vector<std::string> lines;
    for (const PlanLeg& leg : journey.legs) {
        if (leg.kind == PlanLeg::Kind::Ride) lines.push_back(leg.lines.at(0).lnna);
    }
    return lines;
}

TEST(JourneyRoute, TwoChangesReadLikeThePlanLines) {
    JourneyCity city(chain(3));
    const Asked asked = city.ask("站0", "站3");
    EXPECT_EQ(asked.outcome, OutcomeCode::JourneysListed);
    EXPECT_FALSE(outcomeMessage(asked.outcome));
    EXPECT_EQ(asked.pieces, (Pieces{{"第1种方案(共约3站，换乘2次)：", kHead},
                                    {"从 ", kWord},
                                    {"站0", kEnd},
                                    {" 坐1路(1站)在", kWord},
                                    {" 站1", kChange},
                                    {" 换乘 ", kEnd},
                                    {"2路(1站)在", kWord},
                                    {" 站2", kChange},
                                    {" 换乘 ", kEnd},
                                    {"3路(1站)到 ", kWord},
                                    {"站3\r\n", kEnd}}));
    // As data: one line per ride, named as stored.
    ASSERT_EQ(asked.answer.plans.size(), 1u);
    const Plan& journey = asked.answer.plans[0];
    EXPECT_EQ(journey.C, 3u);
    ASSERT_EQ(journey.legs.size(), 3u);
    EXPECT_EQ(journey.legs[1],
              (PlanLeg{PlanLeg::Kind::Ride, {{"2路上行", 1}}, "站1", "站2", 1, 0}));
    // The statements knew nothing to say here.
    QueryState state;
    state.strStnaFrom = "站0";
    state.strStnaTo = "站3";
    Answer reference;
    reference.mode = QueryMode::MultiStation;
    test::referenceRouteSearch(city.database(), state, reference);
    EXPECT_EQ(state.intOutState, OutcomeCode::NoRoute);
}

TEST(JourneyRoute, FiveRidesAtMostThenNoRoute) {
    JourneyCity five(chain(5));
    const Asked asked = five.ask("站0", "站5");
    EXPECT_EQ(asked.outcome, OutcomeCode::JourneysListed);
    ASSERT_EQ(asked.answer.plans.size(), 1u);
    EXPECT_EQ(asked.pieces.front().text, "第1种方案(共约5站，换乘4次)：");
    EXPECT_EQ(lineSequence(asked.answer.plans[0]),
              (std::vector<std::string>{"1路上行", "2路上行", "3路上行", "4路上行", "5路上行"}));

    JourneyCity six(chain(6));
    const Asked none = six.ask("站0", "站6");
    EXPECT_EQ(none.outcome, OutcomeCode::NoRoute);
    EXPECT_EQ(outcomeMessage(none.outcome), "没有适合路线！");
    EXPECT_TRUE(none.pieces.empty());
    // Backwards along the lines there is no journey at all.
    EXPECT_EQ(six.ask("站3", "站0").outcome, OutcomeCode::NoRoute);
}

TEST(JourneyRoute, WalksBetweenLinesAtTheStartAndAtTheEnd) {
    const TestCity city = TestCity{}
                              .line("1路", "甲;乙;")
                              .line("2路下行", "丙;丁;")
                              .line("3路", "戊;己;")
                              .station("甲", "1路;")
                              .station("丁", "2路下行;")
                              .station("庚", "")
                              .station("戊", "3路;")
                              .station("辛", "");
    JourneyCity walks(city, walk("乙", "丙", 320) + walk("庚", "戊", 200) + walk("己", "辛", 150));
    EXPECT_EQ(walks.ask("甲", "丁").pieces, (Pieces{{"第1种方案(共约2站，换乘1次)：", kHead},
                                                    {"从 ", kWord},
                                                    {"甲", kEnd},
                                                    {" 坐1路(1站)在", kWord},
                                                    {" 乙", kChange},
                                                    {" 步行约320米到", kWalk},
                                                    {" 丙", kChange},
                                                    {" 换乘 ", kEnd},
                                                    {"2路(1站)到 ", kWord},
                                                    {"丁\r\n", kEnd}}));
    const Asked both = walks.ask("庚", "辛");
    EXPECT_EQ(both.outcome, OutcomeCode::JourneysListed);
    EXPECT_EQ(both.pieces, (Pieces{{"第1种方案(共约1站，换乘0次)：", kHead},
                                   {"从 ", kWord},
                                   {"庚", kEnd},
                                   {" 步行约200米到", kWalk},
                                   {" 戊", kChange},
                                   {" 坐3路(1站)在", kWord},
                                   {" 己", kChange},
                                   {" 下车", kWord},
                                   {" 步行约150米到 ", kWalk},
                                   {"辛\r\n", kEnd}}));
    ASSERT_EQ(both.answer.plans.size(), 1u);
    EXPECT_EQ(both.answer.plans[0].legs.front(),
              (PlanLeg{PlanLeg::Kind::Walk, {}, "庚", "戊", 0, 200}));
    // A walk alone is no journey, and no walk follows another.
    EXPECT_EQ(walks.ask("庚", "戊").outcome, OutcomeCode::NoRoute);
}

TEST(JourneyRoute, WalkTableRowsThatNameNoStationOrNoLengthAreLeftOut) {
    const TestCity city = TestCity{}
                              .line("1路", "甲;乙;")
                              .line("2路", "丙;丁;")
                              .station("甲", "1路;")
                              .station("丁", "2路;");
    JourneyCity odd(city, walk("乙", "无此站", 10) + walk("无此站", "丙", 10) +
                              "INSERT INTO nstwalk VALUES ('乙', '丙', -5), ('乙', '丙', NULL),"
                              " (NULL, '丙', 10);");
    EXPECT_EQ(odd.ask("甲", "丁").outcome, OutcomeCode::NoRoute);
    // The shortest of two rows for the same walk counts; ASCII case does not.
    JourneyCity twice(TestCity{}
                          .line("1路", "甲;B;")
                          .line("2路", "C;丁;")
                          .station("甲", "1路;")
                          .station("丁", "2路;"),
                      walk("B", "C", 900) + walk("b", "c", 260));
    const Asked asked = twice.ask("甲", "丁");
    ASSERT_EQ(asked.answer.plans.size(), 1u);
    EXPECT_EQ(asked.answer.plans[0].legs[1], (PlanLeg{PlanLeg::Kind::Walk, {}, "b", "c", 0, 260}));
}

TEST(JourneyRoute, WalkOfTheLongestLengthCostsWhatItIsLong) {
    // The longest walk the table may hold, 4,294,967,295 m, once counted as nothing.
    JourneyCity city(
        TestCity{}
            .line("1路", "甲;乙;")
            .line("2路", "丙;丁;")
            .line("3路", "甲;子;丑;寅;卯;戊;")
            .line("4路", "己;丁;")
            .station("甲", "1路;3路;")
            .station("丁", "2路;4路;"),
        "INSERT INTO nstwalk VALUES ('乙', '丙', 4294967295);" + walk("戊", "己", 100));
    const Asked asked = city.ask("甲", "丁");
    ASSERT_EQ(asked.answer.plans.size(), 2u);
    EXPECT_EQ(lineSequence(asked.answer.plans[0]), (std::vector<std::string>{"3路", "4路"}));
    EXPECT_EQ(lineSequence(asked.answer.plans[1]), (std::vector<std::string>{"1路", "2路"}));
}

TEST(JourneyRoute, DatabaseWithoutWalkTableRidesOnly) {
    const TestCity city = TestCity{}
                              .line("1路", "甲;乙;")
                              .line("2路", "丙;丁;")
                              .station("甲", "1路;")
                              .station("丁", "2路;");
    JourneyCity withWalk(city, walk("乙", "丙", 100));
    EXPECT_EQ(withWalk.ask("甲", "丁").outcome, OutcomeCode::JourneysListed);
    JourneyCity older(city, "DROP TABLE nstwalk; DROP TABLE nstpos;");
    EXPECT_EQ(older.ask("甲", "丁").outcome, OutcomeCode::NoRoute);
}

TEST(JourneyRoute, FewestRidesFirstAndMoreRidesOnlyWhenMuchCheaper) {
    // Two rides with a walk beat three rides on 5路, 6路, 7路, which cost no less.
    TestCity city = TestCity{}
                        .line("1路", "甲;乙;")
                        .line("4路", "戊;丁;")
                        .line("5路", "甲;子;")
                        .line("6路", "子;丑;")
                        .line("7路", "丑;丁;")
                        .station("甲", "1路;5路;")
                        .station("丁", "4路;7路;");
    JourneyCity saved(city, walk("乙", "戊", 250));
    const Asked asked = saved.ask("甲", "丁");
    ASSERT_EQ(asked.answer.plans.size(), 1u);
    EXPECT_EQ(lineSequence(asked.answer.plans[0]), (std::vector<std::string>{"1路", "4路"}));

    // A long two-ride journey with a walk (cost 22): the three-ride one (cost 3) follows it;
    // one of three rides that saves only two (cost 20) does not.
    std::string longLine = "甲;";
    for (int i = 0; i < 19; ++i) longLine += "中" + std::to_string(i) + ";";
    longLine += "乙;";
    std::string slowLine = "卯;";
    for (int i = 0; i < 17; ++i) slowLine += "慢" + std::to_string(i) + ";";
    slowLine += "丁;";
    JourneyCity cheaper(TestCity{}
                            .line("1路", longLine)
                            .line("2路", "戊;丁;")
                            .line("3路", "甲;子;")
                            .line("4路", "子;丑;")
                            .line("5路", "丑;丁;")
                            .line("6路", "甲;寅;")
                            .line("7路", "寅;卯;")
                            .line("8路", slowLine)
                            .station("甲", "1路;3路;6路;")
                            .station("丁", "2路;5路;8路;"),
                        walk("乙", "戊", 1));
    const Asked both = cheaper.ask("甲", "丁");
    ASSERT_EQ(both.answer.plans.size(), 2u);
    EXPECT_EQ(lineSequence(both.answer.plans[0]), (std::vector<std::string>{"1路", "2路"}));
    EXPECT_EQ(both.answer.plans[0].C, 21u);  // the stops ridden, the walk aside
    EXPECT_EQ(lineSequence(both.answer.plans[1]), (std::vector<std::string>{"3路", "4路", "5路"}));
    EXPECT_TRUE(std::any_of(both.pieces.begin(), both.pieces.end(), [](const Piece& piece) {
        return piece.text == "第2种方案(共约3站，换乘2次)：" && piece.rgb == kHead;
    }));
}

TEST(JourneyRoute, LineNeverFollowsItself) {
    // 1路 passes 环 twice: leaving it there and boarding it again skips the loop in the count,
    // but is the same ride. The one honest journey of fewer rides is all there is.
    const TestCity city = TestCity{}
                              .line("2路", "甲;乙;")
                              .line("1路", "乙;环;子;丑;寅;卯;环;丁;")
                              .line("3路", "丁;戊;")
                              .station("甲", "2路;")
                              .station("戊", "3路;");
    JourneyCity loop(city);
    const Asked asked = loop.ask("甲", "戊");
    ASSERT_EQ(asked.answer.plans.size(), 1u);
    EXPECT_EQ(lineSequence(asked.answer.plans[0]), (std::vector<std::string>{"2路", "1路", "3路"}));
}

TEST(JourneyRoute, TenJourneysWithDistinctLinesCheapestFirst) {
    // Twelve ways from 甲 over M_i and N_i to 丁; the last line passes N_i in order, so way i
    // costs 1 + 1 + (13 − i).
    TestCity city;
    std::string last;
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        city.line("A" + n + "路", "甲;M" + n + ";");
        city.line("B" + n + "路", "M" + n + ";N" + n + ";");
        last += "N" + n + ";";
    }
    city.line("Z路", last + "丁;");
    city.station("甲", "A1路;").station("丁", "Z路;");
    JourneyCity ways(city);
    const Asked asked = ways.ask("甲", "丁");
    EXPECT_EQ(asked.outcome, OutcomeCode::JourneysListed);
    ASSERT_EQ(asked.answer.plans.size(), 10u);
    std::set<std::vector<std::string>> sequences;
    for (std::size_t j = 0; j < 10; ++j) {
        const Plan& journey = asked.answer.plans[j];
        const std::string n = std::to_string(12 - j);
        EXPECT_EQ(lineSequence(journey),
                  (std::vector<std::string>{"A" + n + "路", "B" + n + "路", "Z路"}));
        EXPECT_EQ(journey.C, 3 + j);
        sequences.insert(lineSequence(journey));
    }
    EXPECT_EQ(sequences.size(), 10u);
}

TEST(JourneyRoute, SameStationInBothBoxesNeedsNoRide) {
    JourneyCity city(TestCity{}
                         .line("5路上行", "寅;卯;辰;")
                         .line("5路下行", "辰;卯;寅;")
                         .line("6路", "Ab站;卯;")
                         .station("寅", "5路上行;5路下行;")
                         .station("AB站", "6路;"));
    struct Case {
        std::string from;
        std::string to;
        OutcomeCode outcome;
    };
    for (const Case& c : std::vector<Case>{
             {"寅", "寅", OutcomeCode::SameStation},
             {"寅[东大街]", "寅{公园}", OutcomeCode::SameStation},
             {"ab站", "AB站", OutcomeCode::SameStation},
             // Not a station: as for any unknown origin.
             {"无此站", "无此站", OutcomeCode::NoOrigin},
             {"寅", "辰", OutcomeCode::Listed},
         }) {
        SCOPED_TRACE(c.from + " → " + c.to);
        const Asked asked = city.ask(c.from, c.to);
        EXPECT_EQ(asked.outcome, c.outcome);
        if (c.outcome == OutcomeCode::SameStation) {
            EXPECT_TRUE(asked.pieces.empty());
            EXPECT_TRUE(asked.answer.plans.empty());
            EXPECT_EQ(outcomeMessage(asked.outcome), "起点和终点相同，无需乘车！");
        }
    }
    // The statements give out-and-back plans for the same station; the program no longer does.
    QueryState state;
    state.strStnaFrom = "寅";
    state.strStnaTo = "寅";
    Answer reference;
    reference.mode = QueryMode::MultiStation;
    test::referenceRouteSearch(city.database(), state, reference);
    EXPECT_EQ(state.intOutState, OutcomeCode::PlansListed);
    EXPECT_FALSE(reference.plans.empty());
}

}  // namespace
}  // namespace busquery
