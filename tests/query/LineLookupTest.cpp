#include "query/LineLookup.h"

#include <gtest/gtest.h>

#include "query/PieceRecorder.h"
#include "query/Query.h"
#include "support/PiecePrinting.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;

// Names of the lines a request lists, in listing order.
class LineLookupTest : public ::testing::Test {
  protected:
    LineLookupTest() {
        TestCity city;
        city.line("12路上行", "甲;乙;", "(6:00-22:00)", 5)
            .line("12路下行", "乙;甲;", "(6:10-22:10)", 6)
            .line("120路", "丙;", "", 7)
            .line("112路", "丙;", "", 8)
            .line("夜10", "丁;", "", 30)
            .line("夜1", "丁;", "", 20)
            .line("夜2", "丁;", "", 21)
            .line("地铁1号线", "戊;", "", 40)
            .line("B1路", "己;", "", 50)
            .line("it's", "己;", "", 51)
            .line("5%_路", "己;", "", 52)
            .line("50路", "己;", "", 53)
            .line(" 12路", "己;", "", 54)
            .line("12路外城", "己;", "", 55, "othercity")
            .line("早班", "己;", "", 1);
        file_ = city.write(dir_ / "busdata");
    }

    std::vector<std::string> names(const std::string& request) {
        BusData data(file_);
        Query query(data);
        PieceRecorder pane;
        query.run({request, "", "", "", ""}, pane);
        std::vector<std::string> listed;
        for (const auto& piece : pane.pieces()) {
            if (piece.rgb == colours::kBlue) listed.push_back(piece.text);
        }
        EXPECT_EQ(query.state().lngRecordNum, static_cast<int>(listed.size()));
        EXPECT_EQ(query.state().intOutState,
                  listed.empty() ? OutcomeCode::NoLine : OutcomeCode::Listed)
            << request;
        return listed;
    }

    TempDir dir_;
    std::filesystem::path file_;
};

using Names = std::vector<std::string>;

TEST_F(LineLookupTest, RequestsAndTheLinesTheyList) {
    struct Case {
        const char* request;
        Names listed;
    };
    const Case cases[] = {
        {"12", {"12路上行", "12路下行"}},  // not 120路, not the other city's line
        {"12路", {"12路上行", "12路下行"}},
        {"1", {"地铁1号线"}},      // numeric: 1路…, then the metro's line 1
        {"夜1", {"夜1", "夜10"}},  // not numeric: a plain prefix, in lnid order
        {"地铁", {"地铁1号线"}},
        {"b1", {"B1路"}},    // ASCII case ignored
        {" 12", {" 12路"}},  // numeric, the blank stays in the pattern
        {"it's", {"it's"}},  // a quote is looked up as typed
        {"it'", {"it's"}},
        {"'", {}},
        {"5%", {"5%_路"}},  // wildcards match only themselves
        {"5%_", {"5%_路"}},
        {"5_", {}},  // as a wildcard it would list 50路 and 5%_路
        {"%", {}},
        {"_", {}},
        {"99", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(names(c.request), c.listed) << c.request;
}

TEST_F(LineLookupTest, RouAloneListsEveryLineOfTheCityInLnidOrder) {
    EXPECT_EQ(names("路"), (Names{"早班", "12路上行", "12路下行", "120路", "112路", "夜1", "夜2",
                                  "夜10", "地铁1号线", "B1路", "it's", "5%_路", "50路", " 12路"}));
}

TEST_F(LineLookupTest, WritesTheExactPiecesWithBoldAroundTheHeading) {
    BusData data(file_);
    Query query(data);
    PieceRecorder pane;
    query.run({"12", "", "", "", ""}, pane);
    const Rgb black = colours::kBlack;
    const std::vector<Piece> expected{
        {"12路上行", colours::kBlue, false},
        {"(6:00-22:00)", colours::kOlive, false},
        {"\r\n", black, true},
        {"途径站点：", black, true},
        {"甲;乙;", black, false},
        {"\r\n\r\n", black, false},
        {"12路下行", colours::kBlue, false},
        {"(6:10-22:10)", colours::kOlive, false},
        {"\r\n", black, true},
        {"途径站点：", black, true},
        {"乙;甲;", black, false},
        {"\r\n\r\n", black, false},
    };
    EXPECT_EQ(pane.pieces(), expected);
}

TEST_F(LineLookupTest, NothingFoundEmptiesThePane) {
    BusData data(file_);
    Query query(data);
    PieceRecorder pane;
    query.run({"12", "", "", "", ""}, pane);
    ASSERT_FALSE(pane.pieces().empty());
    query.run({"777", "", "", "", ""}, pane);
    EXPECT_TRUE(pane.pieces().empty());
    EXPECT_EQ(query.state().intOutState, OutcomeCode::NoLine);
}

// A city whose number 1 runs as a bus, a trolleybus, a metro line and an express bus.
class NumberedLinesOfEveryModeTest : public LineLookupTest {
  protected:
    NumberedLinesOfEveryModeTest() {
        TestCity city;
        city.line("地铁1号线上行", "甲;", "", 1)
            .line("1路上行", "甲;", "", 2)
            .line("无轨电车1路", "甲;", "", 3)
            .line("10路", "甲;", "", 4)
            .line("1G", "甲;", "", 5)
            .line("夜1", "甲;", "", 6)
            .line("有轨电车12路", "甲;", "", 7)
            .line("1路支线", "甲;", "", 8)
            .line("地铁1号线下行", "甲;", "", 9)
            .line("无轨电车1路", "甲;", "", 10, "othercity");
        file_ = city.write(dir_ / "numbered");
    }
};

TEST_F(NumberedLinesOfEveryModeTest, FollowTheLinesTheRequestLists) {
    struct Case {
        const char* request;
        Names listed;
    };
    const Case cases[] = {
        {"1", {"1路上行", "1路支线", "地铁1号线上行", "无轨电车1路", "1G", "地铁1号线下行"}},
        {"1路", {"1路上行", "1路支线", "地铁1号线上行", "无轨电车1路", "1G", "地铁1号线下行"}},
        {"12", {"有轨电车12路"}},
        {"1G", {"1G"}},  // no number: its prefix alone
        {"夜1", {"夜1"}},
        {"2", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(names(c.request), c.listed) << c.request;
}

TEST(LinePrefix, NumericTextGetsRou) {
    struct Case {
        const char* request;
        const char* prefix;
    };
    const Case cases[] = {{"12", "12路"}, {"12路", "12路"}, {"12.5", "12.5路"}, {" 12", " 12路"},
                          {"路", ""},     {"B1", "B1"},     {"夜1", "夜1"},     {"1路2", "12路"},
                          {".", "."},     {"-3", "-3路"}};
    for (const auto& c : cases) EXPECT_EQ(linePrefix(c.request), c.prefix) << c.request;
}

}  // namespace
}  // namespace busquery
