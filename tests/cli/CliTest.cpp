#include "cli/CliApp.h"
#include "cli/CliRun.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>

#include "support/PiecePrinting.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

using test::TempDir;
using test::TestCity;

using test::CliRun;

class CliTest : public ::testing::Test {
  protected:
    CliTest()
        : db_(TestCity{}
                  .line("12路上行", "甲;乙;", "(6:00-22:00)")
                  .station("甲", "12路上行;")
                  .station("乙", "12路上行;")
                  .write(dir_ / "busdata")
                  .string()) {}

    CliRun run(std::vector<std::string> args, const std::string& input = "") {
        return test::runCliWith(std::move(args), input);
    }

    TempDir dir_;
    std::string db_;
};

TEST_F(CliTest, ExitStatusSaysWhatTheAnswerIs) {
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"--db", db_, "line", "12"}, 0},
        {{"--db", db_, "line", "99"}, 1},
        {{"--db", db_, "query"}, 1},
        {{"--db", db_, "query", "--from", "甲"}, 1},
        {{"--db", db_, "query", "--line", "12"}, 0},
        {{"--db", (dir_ / "missing").string(), "line", "12"}, 2},
        {{"--db", db_, "line"}, 2},
        {{"--db", "", "line", "12"}, 2},
        {{"--db=", "line", "12"}, 2},
        {{"--db", db_, "--format", "xml", "line", "12"}, 2},
        {{"frobnicate"}, 2},
    };
    for (const auto& c : cases) {
        auto result = run(c.args);
        EXPECT_EQ(result.status, c.status) << c.args.back() << "\n" << result.err;
        if (c.status == 2) {
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        } else {
            EXPECT_EQ(result.err, "");
        }
    }
}

TEST_F(CliTest, MissingDatabaseNamesTheFile) {
    auto missing = (dir_ / "missing").string();
    auto result = run({"--db", missing, "line", "12"});
    EXPECT_NE(result.err.find(missing), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("不存在"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, TextWritesThePiecesAsTheyAreThenTheMessage) {
    EXPECT_EQ(run({"--db", db_, "line", "12"}).out,
              "12路上行(6:00-22:00)\r\n途径站点：甲;乙;\r\n\r\n");
    EXPECT_EQ(run({"--db", db_, "line", "99"}).out, "无此线路资料\n");
}

TEST_F(CliTest, AnsiAddsColourAndBold) {
    auto out = run({"--db", db_, "--format", "ansi", "line", "12"}).out;
    EXPECT_EQ(out.rfind("\x1b[0;38;2;0;0;255m12路上行\x1b[0;38;2;128;128;0m(6:00-22:00)"
                        "\x1b[0;1;38;2;0;0;0m\r\n\x1b[0;1;38;2;0;0;0m途径站点：",
                        0),
              0u)
        << out;
    EXPECT_NE(out.find("\x1b[0;38;2;0;0;0m甲;乙;"), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 5), "\x1b[0m\n");
}

TEST_F(CliTest, JsonCarriesModeOutcomeMessageRecordsAndPieces) {
    auto found = nlohmann::json::parse(run({"--db", db_, "--format", "json", "line", "12路"}).out);
    EXPECT_EQ(found["mode"], "line");
    EXPECT_EQ(found["outcome"], 3);
    EXPECT_TRUE(found["message"].is_null());
    EXPECT_EQ(found["records"], 1);
    ASSERT_EQ(found["pieces"].size(), 6u);
    EXPECT_EQ(found["pieces"][0],
              nlohmann::json({{"text", "12路上行"}, {"rgb", {0, 0, 255}}, {"bold", false}}));
    EXPECT_EQ(found["pieces"][3],
              nlohmann::json({{"text", "途径站点："}, {"rgb", {0, 0, 0}}, {"bold", true}}));

    auto empty = nlohmann::json::parse(run({"--db", db_, "--format", "json", "query"}).out);
    EXPECT_EQ(empty["mode"], "");
    EXPECT_EQ(empty["outcome"], 0);
    EXPECT_EQ(empty["message"], "输入信息为空");
}

TEST_F(CliTest, ControlCharactersInAFileAreShownEscaped) {
    const std::string db = TestCity{}
                               .line("9路\x1b(0",
                                     "甲\x07;乙\xC2\x9B"
                                     "2J;",
                                     "(6:00-22:00)")
                               .station("甲\x07", "9路\x1b(0;")
                               .station(
                                   "乙\xC2\x9B"
                                   "2J",
                                   "9路\x1b(0;")
                               .write(dir_ / "hostile")
                               .string();
    struct Case {
        std::vector<std::string> args;
        std::string shown;
    };
    const Case cases[] = {
        {{"--db", db, "line", "9"}, "9路\\x1b(0(6:00-22:00)\r\n途径站点：甲\\x07;乙\\u009b2J;"},
        {{"--db", db, "--format", "ansi", "line", "9"}, "甲\\x07;乙\\u009b2J;"},
        {{"--db", db, "suggest", "乙"}, "乙\\u009b2J"},
    };
    for (const Case& c : cases) {
        const std::string out = run(c.args).out;
        EXPECT_NE(out.find(c.shown), std::string::npos) << out;
        EXPECT_EQ(out.find_first_of("\x07\x9B"), std::string::npos) << out;
        EXPECT_EQ(out.find("\x1b(0"), std::string::npos) << out;
    }
}

TEST_F(CliTest, TheEnvironmentNamesTheDatabaseUnlessDbDoes) {
    const std::string missing = (dir_ / "missing").string();
    ::setenv("BUSQUERY_DB", missing.c_str(), 1);
    const CliRun fromEnvironment = run({"line", "12"});
    const CliRun fromOption = run({"--db", db_, "line", "12"});
    ::unsetenv("BUSQUERY_DB");
    EXPECT_EQ(fromEnvironment.status, 2);
    EXPECT_NE(fromEnvironment.err.find(missing), std::string::npos) << fromEnvironment.err;
    EXPECT_EQ(fromOption.status, 0) << fromOption.err;
}

TEST_F(CliTest, VerboseReportsTheWalksLeftOut) {
    const auto db = TestCity{}
                        .line("1路", "甲;乙;")
                        .line("2路", "丙;丁;")
                        .station("甲", "1路;")
                        .station("丁", "2路;")
                        .write(dir_ / "walks");
    SQLite::Database(db.string(), SQLite::OPEN_READWRITE)
        .exec(
            "INSERT INTO nstwalk VALUES ('乙', '丙', 'abc'), ('乙', '丙', -0.5), ('乙', '丙', 90)");
    const CliRun verbose = run({"--db", db.string(), "--verbose", "route", "甲", "丁"});
    EXPECT_EQ(verbose.status, 0);
    EXPECT_EQ(verbose.err,
              "busquery-cli: nstwalk 中有 2 行没有以整数米记的步行距离（或缺少站名），已跳过\n");
    EXPECT_EQ(run({"--db", db.string(), "route", "甲", "丁"}).err, "");
}

TEST_F(CliTest, VerboseAddsTheCauseOfAFailureInSqlitesWords) {
    const auto whole = TestCity{}.line("1路", "甲;乙;").write(dir_ / "whole");
    const auto broken = dir_ / "broken";
    std::filesystem::copy_file(whole, broken);
    std::filesystem::resize_file(broken, std::filesystem::file_size(whole) / 2);
    const std::string message =
        "busquery-cli: 数据文件 “" + broken.string() + "” 有误：文件已损坏\n";
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string err;
    };
    const Case cases[] = {
        {{"--db", broken.string(), "line", "1"}, "", message},
        {{"--db", broken.string(), "--verbose", "line", "1"},
         "",
         message + "busquery-cli: 原因：database disk image is malformed\n"},
        {{"--db", broken.string(), "--verbose", "batch"},
         "{\"line\": \"1\"}\n",
         "busquery-cli: 原因：database disk image is malformed\n"},
        {{"--db", db_, "--verbose", "batch"}, "[1]\n", ""},  // the program's own words suffice
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.args, c.input);
        EXPECT_EQ(result.status, 2) << c.args.back();
        EXPECT_EQ(result.err, c.err) << c.args.back();
    }
}

TEST_F(CliTest, BatchAnswersEveryLineInOrder) {
    auto result = run({"--db", db_, "batch"},
                      "{\"line\": \"12\"}\n{\"station\": \"甲\"}\nnot json\n{\"line\": 5}\n"
                      "{\"from\": \"甲\"}\n");
    std::istringstream lines(result.out);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);)
        answers.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(answers.size(), 5u);
    EXPECT_EQ(answers[0]["outcome"], 3);
    EXPECT_EQ(answers[1]["outcome"], 1);
    EXPECT_TRUE(answers[2].contains("error"));
    EXPECT_TRUE(answers[3].contains("error"));
    EXPECT_EQ(answers[4]["outcome"], 7);
    EXPECT_EQ(result.status, 2);
}

}  // namespace
}  // namespace busquery::cli

namespace busquery::cli {
namespace {

TEST(CliCityTest, AnImportedCityIsAnsweredAndNamed) {
    test::TempDir dir;
    const std::string db = test::TestCity{}
                               .line("1路", "Antakalnis;Centras;", "(05:00-23:00)", 1, "vilnius")
                               .line("无轨电车1路", "Centras;Žirmūnai;", "", 2, "vilnius")
                               .station("Centras", "1路;无轨电车1路;")
                               .write(dir / "busdata")
                               .string();
    const test::CliRun line = test::runCliWith({"--db", db, "--format", "json", "line", "1"});
    EXPECT_EQ(line.status, 0) << line.err;
    const auto json = nlohmann::json::parse(line.out);
    EXPECT_EQ(json["city"], "vilnius");
    ASSERT_EQ(json["lines"].size(), 2u);  // the bus, then the trolleybus of that number
    EXPECT_EQ(json["lines"][0]["lnna"], "1路");
    EXPECT_EQ(json["lines"][1]["lnna"], "无轨电车1路");
    EXPECT_EQ(test::runCliWith({"--db", db, "line", "无轨电车"}).status, 0);
}

}  // namespace
}  // namespace busquery::cli
