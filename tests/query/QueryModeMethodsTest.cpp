#include "query/Query.h"

#include <gtest/gtest.h>

#include <functional>

#include "query/PieceRecorder.h"
#include "query/Renderer.h"
#include "store/Error.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;

// Texts that reach every input check and every outcome of the three kinds of query.
const std::vector<std::string> kTexts = {
    "",       " ",    "  ",       "1",    "12", "12路",
    "8",      "东",   "东桥",     "西山", "乙", "东桥[西山大道]{南湖公园}",
    "无此站", "\xff", "\xb6\xab",
};
const std::vector<std::string> kPicks = {"", "东桥[西山大道]{南湖公园}", "西山{公园}"};

class QueryModeMethodsTest : public ::testing::Test {
  protected:
    QueryModeMethodsTest()
        : file_(TestCity{}
                    .line("12路上行", "东桥;西山;乙;", "(6:00-22:00)")
                    .line("8路", "乙;丙;")
                    .station("东桥", "12路上行;", "西山大道", "南湖公园")
                    .station("西山", "12路上行;")
                    .station("乙", "12路上行;8路;")
                    .station("丙", "8路;")
                    .write(dir_ / "busdata")),
          data_(file_) {}

    // The method's answer, state and pieces against those of run with the same texts in the
    // boxes, each from a fresh query as the CLI uses it.
    void expectSame(const std::function<Answer(Query&)>& method, const QueryInput& input) {
        const std::string texts = input.line + "|" + input.station + "|" + input.from + "|" +
                                  input.to + "|" + input.pickedLine;
        Query byMethod(data_);
        Query byRun(data_);
        const Answer expected = byRun.run(input);
        const Answer answer = method(byMethod);
        EXPECT_EQ(answer, expected) << texts;
        EXPECT_EQ(byMethod.state().strQueryLnna, byRun.state().strQueryLnna) << texts;
        EXPECT_EQ(byMethod.state().intOutState, byRun.state().intOutState) << texts;
        EXPECT_EQ(byMethod.state().lngRecordNum, byRun.state().lngRecordNum) << texts;
        PieceRecorder methodPane, runPane;
        render(answer, methodPane);
        render(expected, runPane);
        EXPECT_EQ(methodPane.pieces(), runPane.pieces()) << texts;
    }

    TempDir dir_;
    std::filesystem::path file_;
    BusData data_;
};

TEST_F(QueryModeMethodsTest, EachModeAnswersAsRunWithOnlyItsBoxesFilled) {
    for (const std::string& text : kTexts) {
        expectSame([&](Query& q) { return q.lookUpLine(text); }, {text, "", "", "", ""});
        for (const std::string& pick : kPicks) {
            expectSame([&](Query& q) { return q.lookUpStation(text, pick); },
                       {"", text, "", "", pick});
        }
        for (const std::string& to : kTexts) {
            expectSame([&](Query& q) { return q.searchRoute(text, to); }, {"", "", text, to, ""});
        }
    }
}

TEST_F(QueryModeMethodsTest, TheInputChecksComeFirst) {
    Query query(data_);
    struct Case {
        std::function<Answer(Query&)> method;
        QueryMode mode;
        OutcomeCode outcome;
    };
    const Case cases[] = {
        {[](Query& q) { return q.lookUpLine(""); }, QueryMode::None, OutcomeCode::EmptyInput},
        {[](Query& q) { return q.lookUpLine("8"); }, QueryMode::Line, OutcomeCode::Listed},
        {[](Query& q) { return q.lookUpStation("", "东桥"); }, QueryMode::None,
         OutcomeCode::EmptyInput},
        {[](Query& q) { return q.lookUpStation("东", ""); }, QueryMode::None,
         OutcomeCode::TooShort},
        {[](Query& q) { return q.lookUpStation("  ", ""); }, QueryMode::SingleStation,
         OutcomeCode::NoStation},
        {[](Query& q) { return q.searchRoute("", ""); }, QueryMode::None, OutcomeCode::EmptyInput},
        {[](Query& q) { return q.searchRoute("东", ""); }, QueryMode::None,
         OutcomeCode::NoDestination},
        {[](Query& q) { return q.searchRoute("", "东"); }, QueryMode::None, OutcomeCode::NoOrigin},
        {[](Query& q) { return q.searchRoute("东桥", "丙"); }, QueryMode::MultiStation,
         OutcomeCode::PlansListed},
    };
    for (const auto& c : cases) {
        const Answer answer = c.method(query);
        EXPECT_EQ(answer.mode, c.mode);
        EXPECT_EQ(answer.outcome, c.outcome);
    }
}

TEST_F(QueryModeMethodsTest, OnlyAQueryPastTheChecksNeedsTheDatabase) {
    std::filesystem::remove(file_);
    Query query(data_);
    EXPECT_NO_THROW(query.lookUpLine(""));
    EXPECT_NO_THROW(query.lookUpStation("东", "东桥"));
    EXPECT_NO_THROW(query.searchRoute("", ""));
    EXPECT_THROW(query.lookUpLine("12"), Error);
    EXPECT_THROW(query.lookUpStation("东桥", ""), Error);
    EXPECT_THROW(query.searchRoute("东桥", ""), Error);  // as run, which opens it before saying so
}

}  // namespace
}  // namespace busquery
