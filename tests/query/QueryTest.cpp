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
    struct Case {
        QueryInput input;
        QueryMode mode;
        OutcomeCode outcome;
    };
    const Case cases[] = {
        {{"", "", "", "", ""}, QueryMode::None, OutcomeCode::EmptyInput},
        {{"", "东", "", "", ""}, QueryMode::None, OutcomeCode::TooShort},
        {{"", " ", "", "", ""}, QueryMode::None, OutcomeCode::TooShort},
        {{"12", "东", "", "", ""}, QueryMode::None, OutcomeCode::TooShort},  // length check first
        {{"12", "东桥", "东桥", "西山", ""}, QueryMode::Line, OutcomeCode::Listed},
        {{"8", "", "", "", ""}, QueryMode::Line, OutcomeCode::NoLine},  // one character passes
        {{"", "", "东桥", "", ""}, QueryMode::None, OutcomeCode::NoDestination},
        {{"", "", "", "西山", ""}, QueryMode::None, OutcomeCode::NoOrigin},
        {{"", "东桥", "", "西山", ""}, QueryMode::None, OutcomeCode::NoOrigin},
    };
    for (const auto& c : cases) {
        QueryMode mode = query_.run(c.input, pane_).mode;
        EXPECT_EQ(mode, c.mode) << c.input.line << "|" << c.input.station << "|" << c.input.from
                                << "|" << c.input.to;
        EXPECT_EQ(query_.state().intOutState, c.outcome)
            << c.input.line << "|" << c.input.station << "|" << c.input.from << "|" << c.input.to;
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

}  // namespace
}  // namespace busquery
