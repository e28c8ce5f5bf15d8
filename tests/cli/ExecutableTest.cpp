#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

#include "cli/ChildProcess.h"
#include "gtfs/GtfsTestFeed.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

using test::ChildRun;
using test::runChild;
using test::TempDir;
using test::TestCity;
using ::testing::HasSubstr;

const std::string kLine77 = "77路上行(6:01-23:59)\r\n途径站点：甲;乙;\r\n\r\n";

// The built busquery-cli, copied into a folder whose name holds ";" and a blank, with a small
// busdata of its own beside it.
class ExecutableTest : public ::testing::Test {
  protected:
    ExecutableTest() : folder_(dir_ / "城市; 副本") {
        std::filesystem::create_directory(folder_);
        program_ = folder_ / "busquery-cli";
        std::filesystem::copy_file(BUSQUERY_CLI_EXECUTABLE, program_);
        std::filesystem::permissions(program_, std::filesystem::perms::owner_all);
        TestCity{}
            .line("77路上行", "甲;乙;", "(6:01-23:59)")
            .station("甲", "77路上行;")
            .station("乙", "77路上行;")
            .write(folder_ / "busdata");
    }

    ChildRun run(const std::vector<std::string>& args, const std::string& input = "",
                 const std::filesystem::path& stdoutFile = {}) {
        return runChild(program_, args, input, stdoutFile);
    }

    TempDir dir_;
    std::filesystem::path folder_;
    std::filesystem::path program_;
};

TEST_F(ExecutableTest, AnswersFromTheBusdataBesideIt) {
    ChildRun line = run({"line", "77"});
    EXPECT_EQ(line.status, 0) << line.err;
    EXPECT_EQ(line.out, kLine77);
    EXPECT_EQ(line.err, "");
}

TEST_F(ExecutableTest, AWriteThatFailsIsAFailure) {
    const std::string feed = test::basicFeed().writeZip(dir_ / "feed.zip").string();
    const std::vector<std::vector<std::string>> cases = {
        {"line", "77"},
        {"--format", "json", "line", "77"},
        {"suggest", "甲"},
        {"batch"},
    };
    for (const auto& args : cases) {
        ChildRun result = run(args, "{\"line\": \"77\"}\n", "/dev/full");
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_EQ(result.err, "busquery-cli: 无法写入标准输出\n") << args[0];
    }
    // The database is written all the same; only the summary is lost, and the status says so.
    const std::string imported = (dir_ / "imported").string();
    ChildRun result = run({"import-gtfs", feed, imported}, "", "/dev/full");
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err,
              "busquery-cli: 已写入 “" + imported + "”，但无法输出导入摘要（无法写入标准输出）\n");
    EXPECT_TRUE(std::filesystem::exists(imported));
}

TEST_F(ExecutableTest, ABatchGoesOnAfterABadLine) {
    ChildRun result = run({"batch"}, "{\"line\":\"77\"}\n东\n{\"line\":\"77\"}\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "");
    std::istringstream lines(result.out);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);) {
        answers.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(answers.size(), 3u) << result.out;
    EXPECT_EQ(answers[0]["outcome"], 3);
    EXPECT_THAT(answers[1]["error"].get<std::string>(), HasSubstr("东"));
    EXPECT_EQ(answers[2], answers[0]);
}

}  // namespace
}  // namespace busquery::cli
