#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/CliApp.h"
#include "cli/CliRun.h"
#include "support/TempDir.h"

namespace busquery::cli {
namespace {

using test::TempDir;

using SampleRun = test::CliRun;

SampleRun sample(std::vector<std::string> args) {
    args.insert(args.begin(), "sample");
    return test::runCliWith(std::move(args));
}

TEST(SampleCommandTest, WritesTheCityAndSaysWhatItWrote) {
    TempDir dir;
    const std::string file = (dir / "busdata").string();
    SampleRun run = sample({file, "--seed", "3"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_NE(run.out.find(file), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("个站点"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("条线路"), std::string::npos) << run.out;
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST(SampleCommandTest, FailuresExitTwoWithOneLine) {
    TempDir dir;
    const std::vector<std::vector<std::string>> cases = {
        {dir.path().string()},
        {(dir / "missing" / "busdata").string()},
        {(dir / "a").string(), "--scale", "0"},
        {(dir / "b").string(), "--scale", "21"},
        {(dir / "c").string(), "--seed", "-1"},
        {(dir / "d").string(), "--seed", "x"},
        {(dir / "e").string(), "--seed", "18446744073709551616"},
        {},
    };
    for (const auto& args : cases) {
        SampleRun run = sample(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "a"));
}

}  // namespace
}  // namespace busquery::cli
