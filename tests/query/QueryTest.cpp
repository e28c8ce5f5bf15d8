#include "query/Query.h"

#include <gtest/gtest.h>

#include "query/PieceRecorder.h"
#include "store/Error.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;

class QueryTest : public ::testing::Test {
  protected:
    QueryTest()
        : file_(TestCity{}
                    .line("12路上行", "东桥;西山;", "(6:00-22:00)")
                    .station("东桥", "12路上行;")
                    .station("西山", "12路上行;")
                    .write(dir_ / "busdata")),
          data_(file_),
          query_(data_) {}

    TempDir dir_;
    std::filesystem::path file_;
    BusData data_;
    Query query_;
    PieceRecorder pane_;
};

TEST_F(QueryTest, InputChecksAndModeSelection) {
    // In this order: an answer's records are its own query's, whatever the one before found.
    struct Case {
        QueryInput input;
        QueryMode mode;
        OutcomeCode outcome;
        std::int32_t records;
    };
    const Case cases[] = {
        {{"12", "东桥", "东桥", "西山", ""}, QueryMode::Line, OutcomeCode::Listed, 1},
        {{"", "", "", "", ""}, QueryMode::None, OutcomeCode::EmptyInput, 0},
        {{"", "东", "", "", ""}, QueryMode::None, OutcomeCode::TooShort, 0},
        {{"", " ", "", "", ""}, QueryMode::None, OutcomeCode::TooShort, 0},
        {{"12", "东", "", "", ""}, QueryMode::None, OutcomeCode::TooShort, 0},  // length first
        {{"8", "", "", "", ""}, QueryMode::Line, OutcomeCode::NoLine, 0},  // one character passes
        {{"", "东桥", "", "", ""}, QueryMode::SingleStation, OutcomeCode::StationsListed, 1},
        {{"", "", "东桥", "", ""}, QueryMode::None, OutcomeCode::NoDestination, 0},
        {{"", "", "", "西山", ""}, QueryMode::None, OutcomeCode::NoOrigin, 0},
        {{"", "东桥", "", "西山", ""}, QueryMode::None, OutcomeCode::NoOrigin, 0},
        {{"", "", "东桥", "西山", ""}, QueryMode::MultiStation, OutcomeCode::Listed, 1},
        {{"", "", "东桥", "无此站", ""}, QueryMode::MultiStation, OutcomeCode::NoDestination, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.line + "|" + c.input.station + "|" + c.input.from + "|" + c.input.to);
        const Answer answer = query_.run(c.input, pane_);
        EXPECT_EQ(answer.mode, c.mode);
        EXPECT_EQ(answer.outcome, c.outcome);
        EXPECT_EQ(answer.records, c.records);
        EXPECT_EQ(query_.state().intOutState, c.outcome);
    }
}

TEST_F(QueryTest, NoModeLeavesThePaneAndDoesNotRepeatTheLastOutcome) {
    query_.run({"12", "", "", "", ""}, pane_);
    ASSERT_EQ(query_.state().intOutState, OutcomeCode::Listed);
    auto shown = pane_.pieces();

    query_.run({"", "", "东桥", "", ""}, pane_);
    EXPECT_EQ(query_.state().intOutState, OutcomeCode::NoDestination);
    EXPECT_EQ(pane_.pieces(), shown);
    EXPECT_EQ(query_.state().lngRecordNum, 1);  // kept from the line lookup
}

TEST_F(QueryTest, CopiesTheTextsAsTyped) {
    query_.run({"12路", " 东桥 ", "", "", ""}, pane_);
    EXPECT_EQ(query_.state().strQueryLnna, "12");  // line lookup removed 路
    EXPECT_EQ(query_.state().strQueryFrom, " 东桥 ");
}

TEST_F(QueryTest, InputChecksNeedNoDatabase) {
    std::filesystem::remove(file_);
    EXPECT_NO_THROW(query_.run({"", "", "", "", ""}, pane_));
    EXPECT_NO_THROW(query_.run({"", "东", "", "", ""}, pane_));
    EXPECT_THROW(query_.run({"12", "", "", "", ""}, pane_), Error);
}

// A station box's suggestions and the window's start-up facts come through the query: "%" is
// removed, an empty text or a picked line searches nothing and needs no database.
TEST_F(QueryTest, SuggestionsAndStartUpFacts) {
    struct Case {
        std::string box;
        std::string text;
        bool searched;
        std::vector<std::string_view> lines;
    };
    const Case cases[] = {
        {"东%", "东", true, {"东桥"}},
        {"%桥", "桥", true, {"东桥"}},
        {"无", "无", true, {}},
        {"%", "", false, {}},
        {"东桥[东桥路]", "东桥[东桥路]", false, {}},
    };
    for (const auto& c : cases) {
        const Suggestions found = query_.suggest(c.box);
        EXPECT_EQ(found.text, c.text) << c.box;
        EXPECT_EQ(found.searched, c.searched) << c.box;
        EXPECT_EQ(found.lines, c.lines) << c.box;
    }
    const StartUpFacts facts = query_.startUpFacts();
    EXPECT_EQ(facts.dataDate, "2009.1.6");
    EXPECT_FALSE(facts.timetable);
    EXPECT_TRUE(query_.findsLine("12"));
    EXPECT_FALSE(query_.findsLine("夜1"));

    std::filesystem::remove(file_);
    EXPECT_FALSE(query_.suggest("%").searched) << "no search, no database";
    EXPECT_THROW(query_.suggest("东"), Error);
}

}  // namespace
}  // namespace busquery
