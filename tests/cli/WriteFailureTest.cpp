#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "cli/CliRun.h"
#include "cli/FullDeviceBuffer.h"
#include "gtfs/GtfsTestFeed.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

using test::CliRun;
using test::FullDeviceBuffer;
using test::TempDir;
using test::TestCity;

TEST(WriteFailureTest, EveryCommandFailsWhenItsOutputCannotBeWritten) {
    TempDir dir;
    const std::string db = TestCity{}
                               .line("12路上行", "甲;乙;", "(6:00-22:00)")
                               .station("甲", "12路上行;")
                               .station("乙", "12路上行;")
                               .write(dir / "busdata")
                               .string();
    const std::string feed = test::basicFeed().writeZip(dir / "feed.zip").string();
    std::string longBatch;
    for (int i = 0; i < 20; ++i) longBatch += "{\"line\": \"12\"}\n";
    struct Case {
        std::vector<std::string> args;
        std::string input;
    };
    const Case cases[] = {
        {{"--db", db, "line", "12"}, ""},
        {{"--db", db, "line", "99"}, ""},  // an outcome message is output too
        {{"--db", db, "--format", "ansi", "station", "甲乙"}, ""},
        {{"--db", db, "--format", "json", "route", "甲", "乙"}, ""},
        {{"--db", db, "query", "--line", "12"}, ""},
        {{"--db", db, "suggest", "甲"}, ""},
        {{"--db", db, "--format", "json", "suggest", "甲"}, ""},
        {{"--db", db, "batch"}, "{\"line\": \"12\"}\n"},
        {{"--db", db, "batch"}, longBatch},  // more than the buffer holds
        {{"sample", (dir / "sample").string()}, ""},
        {{"--help"}, ""},
    };
    for (const auto& c : cases) {
        FullDeviceBuffer full;
        std::ostream out(&full);
        CliRun run = test::runCliInto(out, c.args, c.input);
        EXPECT_EQ(run.status, 2) << c.args.back();
        EXPECT_EQ(run.err, "busquery-cli: 无法写入标准输出\n") << c.args.back();
    }

    // The database is written all the same: the status says so, with one of its own.
    FullDeviceBuffer full;
    std::ostream out(&full);
    const std::string imported = (dir / "imported").string();
    CliRun run = test::runCliInto(out, {"import-gtfs", feed, imported}, "");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err,
              "busquery-cli: 已写入 “" + imported + "”，但无法输出导入摘要（无法写入标准输出）\n");
    EXPECT_TRUE(std::filesystem::exists(imported));
}

}  // namespace
}  // namespace busquery::cli
