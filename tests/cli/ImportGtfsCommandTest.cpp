#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/CliApp.h"
#include "cli/CliRun.h"
#include "gtfs/GtfsTestFeed.h"
#include "support/TempDir.h"

namespace busquery::cli {
namespace {

using test::basicFeed;
using test::TempDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using test::CliRun;

CliRun run(std::vector<std::string> args) {
    return test::runCliWith(std::move(args));
}

TEST(ImportGtfsCommandTest, ImportsAFeedTheOtherCommandsThenAnswerOn) {
    TempDir dir;
    std::string feed = basicFeed().writeZip(dir / "feed.zip").string();
    std::string out = (dir / "busdata").string();

    CliRun imported = run({"import-gtfs", feed, out, "--date", "2024.5.1", "--city", "velmorina"});
    EXPECT_EQ(imported.status, 0);
    EXPECT_THAT(imported.out, StartsWith("已导入 GTFS 数据到 " + out + "\n"));
    EXPECT_THAT(imported.out, HasSubstr("数据日期 2024.5.1"));
    EXPECT_EQ(imported.err, "");  // no progress bar when standard error is no terminal

    CliRun line = run({"--db", out, "line", "12"});
    EXPECT_EQ(line.status, 0);
    EXPECT_THAT(line.out, StartsWith("12路上行(06:00-22:30)"));
}

TEST(ImportGtfsCommandTest, FailuresExitWithOneLineOnStandardError) {
    TempDir dir;
    std::string out = (dir / "busdata").string();
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::string feed = basicFeed().without("trips.txt").writeFolder(dir / "feed").string();
    const Case cases[] = {
        {{"import-gtfs", feed, out},
         "busquery-cli: GTFS 数据 “" + feed + "” 缺少必需的文件 trips.txt\n"},
        {{"import-gtfs", feed}, "busquery-cli: OUT is required"},
    };
    for (const Case& c : cases) {
        CliRun result = run(c.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_THAT(result.err, StartsWith(c.err));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    }
    EXPECT_THAT(test::folderNames(dir.path()), ElementsAre("feed"));
}

TEST(ImportGtfsCommandTest, RefusesToWriteOverTheFeed) {
    TempDir dir;
    const auto feed = basicFeed().writeZip(dir / "feed.zip");
    std::filesystem::create_symlink(feed, dir / "link.zip");
    std::filesystem::create_hard_link(feed, dir / "hard.zip");
    const auto size = std::filesystem::file_size(feed);
    for (const auto& out : {feed, dir / "link.zip", dir / "hard.zip", dir / "." / "feed.zip"}) {
        CliRun result = run({"import-gtfs", feed.string(), out.string()});
        EXPECT_EQ(result.status, 2) << out;
        EXPECT_THAT(result.err,
                    StartsWith("busquery-cli: FEED 与 OUT 是同一个文件 “" + out.string() + "”"));
        EXPECT_EQ(std::filesystem::file_size(feed), size);
    }
    EXPECT_THAT(test::folderNames(dir.path()), ElementsAre("feed.zip", "hard.zip", "link.zip"));
}

}  // namespace
}  // namespace busquery::cli
