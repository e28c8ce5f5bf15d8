#include "query/RouteSearch.h"

#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "network/BusData.h"
#include "query/PieceRecorder.h"
#include "query/Renderer.h"
#include "reference/ReferenceRouteSearch.h"
#include "support/PiecePrinting.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;
using Pieces = std::vector<Piece>;

Pieces operator+(Pieces a, const Pieces& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Pieces direct(const std::string& shownLine, const std::string& stretch, int stops) {
    return {{shownLine + "经过站点：", colours::kBlack},
            {stretch, colours::kStationBlue},
            {"(共" + std::to_string(stops) + "站)", colours::kStationBlue},
            {"\r\n\r\n", colours::kStationBlue}};
}

Pieces plan(int number, int count, const std::string& from, const std::string& s,
            const std::string& m, const std::string& e, const std::string& to) {
    return {{"第" + std::to_string(number) + "种方案(共约" + std::to_string(count) + "站)：",
             colours::kStationBlue},
            {"从 ", colours::kBlack},
            {from, colours::kPurple},
            {" 坐" + s + "在", colours::kBlack},
            {" " + m, colours::kRed},
            {" 换乘 ", colours::kPurple},
            {e + "到 ", colours::kBlack},
            {to + "\r\n", colours::kPurple}};
}

struct Shown {
    OutcomeCode outcome;
    std::int32_t records;
    Pieces pieces;
};

struct Case {
    std::string from;
    std::string to;
    Shown expected;
};

// One city written to a file, asked through the index and through the reference statements.
class RouteCity {
  public:
    explicit RouteCity(const TestCity& city) : data_(city.write(dir_ / "busdata")) {
        data_.refresh();
    }

    Shown ask(const std::string& from, const std::string& to, bool reference) {
        Answer answer{QueryMode::MultiStation};
        if (reference) {
            QueryState state;
            state.strStnaFrom = from;
            state.strStnaTo = to;
            state.lngRecordNum = -1;  // whatever an earlier query left
            test::referenceRouteSearch(data_.database(), state, answer);
            answer.outcome = state.intOutState;
            answer.records = state.lngRecordNum;
        } else {
            answer = routeAnswer(routeSearch(data_.index(), state_, from, to));
        }
        PieceRecorder pane;
        pane.append("left from an earlier query");
        render(answer, pane);
        return {answer.outcome, answer.records, pane.pieces()};
    }

    void expectAll(const std::vector<Case>& cases) {
        for (const auto& c : cases) {
            for (bool reference : {false, true}) {
                SCOPED_TRACE(c.from + " → " + c.to + (reference ? " (reference)" : " (index)"));
                Shown answer = ask(c.from, c.to, reference);
                EXPECT_EQ(static_cast<int>(answer.outcome), static_cast<int>(c.expected.outcome));
                EXPECT_EQ(answer.records, c.expected.records);
                EXPECT_EQ(answer.pieces, c.expected.pieces);
            }
        }
    }

    BusDatabase& database() { return data_.database(); }

  private:
    TempDir dir_;
    BusData data_;
    RouteSearchState state_;
};

TEST(RouteSearchTest, DirectLinesInTableOrderWithStretchAndCount) {
    RouteCity city(TestCity{}
                       .line("5路上行", "甲;乙;丙;丁;戊;", "", 50)
                       .line("5路下行", "戊;丁;丙;乙;甲;", "", 40)
                       .line("7路", "乙;己;丁;", "", 10)
                       .line("8路", "丁;乙;", "", 5)
                       .line("机场线", "乙;丁;", "", 1, "elsewhere")
                       .line("11路下行", "庚;新乙;丁;", "", 2)
                       .line("12路", "乙;甲丁;丁;", "", 3)
                       .line("B1路", "abc;Def;")
                       .line("环线", "午;未;申;午;未;")
                       .line("尾线", "甲;乙")
                       .station("乙;丙", "5路上行;")
                       .station("丁", "5路上行;"));
    city.expectAll({
        // Table order, not lnid order; the other city's line too; 新乙 is not 乙, and 甲丁 not 丁.
        {"乙",
         "丁",
         {OutcomeCode::Listed, 4,
          direct("5路", "乙;丙;丁;", 2) + direct("7路", "乙;己;丁;", 2) +
              direct("机场线", "乙;丁;", 1) + direct("12路", "乙;甲丁;丁;", 2)}},
        {"丁",
         "乙",
         {OutcomeCode::Listed, 2, direct("5路", "丁;丙;乙;", 2) + direct("8路", "丁;乙;", 1)}},
        // 尾线 lacks the ";" behind 乙: the trailing text is no station of its list.
        {"甲", "乙", {OutcomeCode::Listed, 1, direct("5路", "甲;乙;", 1)}},
        {"戊", "甲", {OutcomeCode::Listed, 1, direct("5路", "戊;丁;丙;乙;甲;", 4)}},
        // ASCII letters match either case; the stretch is the list's own text.
        {"ABC", "def", {OutcomeCode::Listed, 1, direct("B1路", "abc;Def;", 1)}},
        // Picked suggestion lines stand for their station name.
        {"甲[东大街]{公园}", "乙{商场}", {OutcomeCode::Listed, 1, direct("5路", "甲;乙;", 1)}},
        // First occurrences count: 未 comes first before the second 午.
        {"午", "未", {OutcomeCode::Listed, 1, direct("环线", "午;未;", 1)}},
        {"未", "午", {OutcomeCode::NoOrigin, 0, {}}},
        // A name holding ";" is not one station of a list, though the text 乙;丙;…丁; is there.
        {"乙;丙", "丁", {OutcomeCode::NoRoute, 0, {}}},
    });
}

TEST(RouteSearchTest, TransferPlans) {
    RouteCity city(TestCity{}
                       .line("1路", "甲;乙;丙;丁;")
                       .line("2路", "戊;丙;己;庚;")
                       .line("3路上行", "子;上行村;")
                       .line("4路下行", "上行村;丑;")
                       .line("5路上行", "寅;卯;辰;巳;")
                       .line("5路下行", "巳;辰;卯;寅;")
                       .line("9路", "丙午;;丁未;")
                       .line("10路", "丁未;戊申;")
                       .line("环2", "酉;戌;亥;戌;")
                       .line("接3", "戌;壬;")
                       .station("甲", "1路;")
                       .station("庚", "2路;")
                       .station("子", "3路上行;")
                       .station("丙午", "9路;")
                       .station("戊申", "10路;")
                       .station("酉", "环2;")
                       .station("壬", "接3;")
                       .station("丑", "4路下行;")
                       .station("寅", "5路上行;5路下行;"));
    const Pieces workedExample{
        {"第1种方案(共约4站)：", {51, 102, 255}},
        {"从 ", {0, 0, 0}},
        {"甲", {100, 0, 100}},
        {" 坐1路(2站)在", {0, 0, 0}},
        {" 丙", {255, 0, 0}},
        {" 换乘 ", {100, 0, 100}},
        {"2路(2站)到 ", {0, 0, 0}},
        {"庚\r\n", {100, 0, 100}},
    };
    city.expectAll({
        {"甲", "庚", {OutcomeCode::PlansListed, 0, workedExample}},
        // Plan lines show the cut names.
        {"甲[中山路]{公园}", "庚{商场}", {OutcomeCode::PlansListed, 0, workedExample}},
        // Direction words go from the lines, not from the transfer station.
        {"子",
         "丑",
         {OutcomeCode::PlansListed, 0, plan(1, 2, "子", "3路(1站)", "上行村", "4路(1站)", "丑")}},
        // A line passing the transfer station twice gives a piece for each pass.
        {"酉",
         "壬",
         {OutcomeCode::PlansListed, 0,
          plan(1, 2, "酉", "环2(1站)/环2(3站)", "戌", "接3(1站)", "壬")}},
        // An empty piece of a list is no station, but it is a stop on the way.
        {"丙午", "丁未", {OutcomeCode::Listed, 1, direct("9路", "丙午;;丁未;", 2)}},
        {"丙午",
         "戊申",
         {OutcomeCode::PlansListed, 0,
          plan(1, 3, "丙午", "9路(2站)", "丁未", "10路(1站)", "戊申")}},
        // Both stations exist, but nothing leads from 庚 to 甲.
        {"庚", "甲", {OutcomeCode::NoRoute, 0, {}}},
        {"无此站", "庚", {OutcomeCode::NoOrigin, 0, {}}},
        {"无此站", "无彼站", {OutcomeCode::NoOrigin, 0, {}}},
        {"甲", "无彼站", {OutcomeCode::NoDestination, 0, {}}},
        {"[中山路]", "庚", {OutcomeCode::NoOrigin, 0, {}}},
        {"甲", "{公园}", {OutcomeCode::NoDestination, 0, {}}},
    });
}

TEST(RouteSearchTest, LegsFromEveryListedLineOfTheFirstStationRecord) {
    RouteCity city(TestCity{}
                       .line("1路", "O;M;", "", -1, "elsewhere")
                       .line("9路", "O;a;b;M;")
                       .line("1路", "O;x;M;")
                       .line("6路", "新O;O;k;M;")
                       .line("外城线", "O;M;", "", -1, "elsewhere")
                       .line("断线", "新O;M;")
                       .line("2路", "M;y;新D;D;", "", -1, "Velmorina")
                       .line("B2路", "hub;z;M;")
                       .line("4路", "Z;D;")
                       .station("O", "9路;缺线;1路;外城线;断线;6路;")
                       .station("D", "2路;4路;")
                       .station("O", "1路;")
                       .station("x", "1路;1路;")
                       .station("Hub", "b2路;"));
    city.expectAll({
        // S lists every origin line reaching M in Passlnna order, C takes the first (3, not 2).
        // 缺线 has no row, 外城线 none in the city, 断线 holds O only inside 新O: all skipped.
        // 6路 counts from its whole-name O, 2路 up to its whole-name D.
        {"O",
         "D",
         {OutcomeCode::PlansListed, 0,
          plan(1, 6, "O", "9路(3站)/1路(2站)/6路(2站)", "M", "2路(3站)", "D")}},
        // A line listed twice gives its rows twice.
        {"x",
         "D",
         {OutcomeCode::PlansListed, 0, plan(1, 4, "x", "1路(1站)/1路(1站)", "M", "2路(3站)", "D")}},
        // Lookups ignore ASCII case; the collected z and Z are different stations.
        {"HUB",
         "D",
         {OutcomeCode::PlansListed, 0, plan(1, 5, "HUB", "b2路(2站)", "M", "2路(3站)", "D")}},
    });
}

TEST(RouteSearchTest, TenLowestCountsPlusTiesInStoringOrder) {
    // Transfer station Mi is i stops out on 起 and e[i] stops before D on its own line Li.
    const int e[] = {20, 1, 5, 1, 9, 3, 2, 2, 7, 1, 1, 4};
    TestCity cityRows;
    std::string out = "O;";
    std::string destinationLines;
    for (int i = 1; i <= 12; ++i) {
        const std::string m = "M" + std::to_string(i);
        const std::string l = "L" + std::to_string(i);
        out += m + ";";
        std::string list = m + ";";
        for (int k = 1; k < e[i - 1]; ++k) list += l + "-" + std::to_string(k) + ";";
        cityRows.line(l, list + "D;");
        destinationLines += l + ";";
    }
    cityRows.line("起", out).station("O", "起;").station("D", destinationLines);
    RouteCity city(cityRows);

    auto nth = [&](int number, int i) {
        return plan(number, i + e[i - 1], "O", "起(" + std::to_string(i) + "站)",
                    "M" + std::to_string(i),
                    "L" + std::to_string(i) + "(" + std::to_string(e[i - 1]) + "站)", "D");
    };
    // C: M2 3, M4 5, M3 8, M6 9, M7 9, M8 10, M10 11, M11 12, M5 14, M9 16, M12 16; M1 (21) drops.
    city.expectAll({{"O",
                     "D",
                     {OutcomeCode::PlansListed, 0,
                      nth(1, 2) + nth(2, 4) + nth(3, 3) + nth(4, 6) + nth(5, 7) + nth(6, 8) +
                          nth(7, 10) + nth(8, 11) + nth(9, 5) + nth(10, 9) + nth(11, 12)}}});
}

TEST(RouteSearchTest, NoTableLimitsOnLongLines) {
    // 12,000 stops: far beyond 999 characters of list and 10,000 rows of a leg table.
    std::string stops;
    for (int i = 0; i < 12000; ++i) stops += "s" + std::to_string(i) + ";";
    RouteCity city(TestCity{}
                       .line("长线", stops)
                       .line("接驳线", "s11999;终点;")
                       .station("s0", "长线;")
                       .station("终点", "接驳线;"));
    city.expectAll({
        {"s0",
         "终点",
         {OutcomeCode::PlansListed, 0,
          plan(1, 12000, "s0", "长线(11999站)", "s11999", "接驳线(1站)", "终点")}},
        {"s11990",
         "s11999",
         {OutcomeCode::Listed, 1,
          direct("长线", "s11990;s11991;s11992;s11993;s11994;s11995;s11996;s11997;s11998;s11999;",
                 9)}},
    });
}

TEST(RouteSearchTest, ReferenceLeavesNoScratchRows) {
    RouteCity city(TestCity{}
                       .line("1路", "甲;乙;丙;丁;")
                       .line("2路", "戊;丙;己;庚;")
                       .station("甲", "1路;")
                       .station("庚", "2路;"));
    auto rows = [&] {
        SQLite::Statement count(city.database().connection(), "SELECT count(*) FROM temp.TmpTb");
        count.executeStep();
        return count.getColumn(0).getInt();
    };

    QueryState state;
    state.strStnaFrom = "甲";
    state.strStnaTo = "庚";
    Answer answer{QueryMode::MultiStation};
    test::referenceRouteSearch(city.database(), state, answer);
    EXPECT_EQ(state.intOutState, OutcomeCode::PlansListed);
    EXPECT_EQ(answer.plans.size(), 1u);
    EXPECT_EQ(rows(), 0);
}

}  // namespace
}  // namespace busquery
