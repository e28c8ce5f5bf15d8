#include "query/QuerySession.h"

#include <gtest/gtest.h>

#include "store/Error.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;

TEST(QuerySession, OpensOnTheFirstQueryAndAnswersFromTheFileAsItIsNow) {
    TempDir dir;
    QuerySession session(dir / "busdata");  // no file yet: nothing is read
    EXPECT_THROW(session.query().lookUpLine("12"), Error);

    TestCity()
        .line("12路", "东桥;北站;")
        .station("东桥", "12路;")
        .station("北站", "12路;")
        .write(dir / "busdata");
    EXPECT_EQ(session.query().lookUpLine("12").records, 1);

    // A query of its own and the queries after it see a file that was replaced.
    std::filesystem::remove(dir / "busdata");
    TestCity()
        .line("7路", "东桥;北站;")
        .station("东桥", "7路;")
        .station("北站", "7路;")
        .write(dir / "busdata");
    EXPECT_EQ(session.query().lookUpLine("12").records, 0);
    EXPECT_EQ(session.query().lookUpLine("7").records, 1);
}

}  // namespace
}  // namespace busquery
