#include "cli/Suggestions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "cli/CliApp.h"
#include "cli/CliRun.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

using test::TempDir;
using test::TestCity;

class StationCommandsTest : public ::testing::Test {
  protected:
    StationCommandsTest()
        : db_(TestCity{}
                  .station("东桥", "5路;5路;12路;", "西山大道", "南湖公园")
                  .station("东桥北", "7路;", "", "南湖公园")
                  .station("西山", "5路;")
                  .write(dir_ / "busdata")
                  .string()) {}

    // Exit status and standard output; standard error must stay empty.
    std::pair<int, std::string> run(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), {"--db", db_});
        auto run = test::runCliWith(std::move(args), input);
        EXPECT_EQ(run.err, "");
        return {run.status, run.out};
    }

    TempDir dir_;
    std::string db_;
};

TEST_F(StationCommandsTest, SuggestWritesOneLinePerItem) {
    struct Case {
        std::string text;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"东桥", 0, "东桥[西山大道]{南湖公园}\n东桥北{南湖公园}\n"},
        {"西山", 0, "东桥[西山大道]{南湖公园}\n西山\n"},
        {"东%桥北", 0, "东桥北{南湖公园}\n"},
        {"无", 1, ""},
        {"%", 1, ""},
        {"东桥[西山大道]", 1, ""},  // a picked line starts no search
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run({"suggest", c.text}), std::make_pair(c.status, c.out)) << c.text;
    }
}

TEST_F(StationCommandsTest, SuggestJsonAndBatchGiveTheCleanedTextAndTheItems) {
    const nlohmann::json expected = {{"text", "东桥北"}, {"items", {"东桥北{南湖公园}"}}};
    auto [status, out] = run({"--format", "json", "suggest", "东桥北%"});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(nlohmann::json::parse(out), expected);

    auto [none, noneOut] = run({"--format", "json", "suggest", "%"});
    EXPECT_EQ(none, 1);
    EXPECT_EQ(nlohmann::json::parse(noneOut),
              nlohmann::json({{"text", ""}, {"items", nlohmann::json::array()}}));

    auto [batchStatus, batchOut] = run({"batch"},
                                       "{\"suggest\": \"东桥北%\"}\n{\"station\": \"东桥\"}\n"
                                       "{\"suggest\": \"东桥\", \"line\": \"5\"}\n");
    std::istringstream lines(batchOut);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);)
        answers.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0], expected);
    EXPECT_EQ(answers[1]["outcome"], 4);
    EXPECT_TRUE(answers[2].contains("error"));
    EXPECT_EQ(batchStatus, 2);
}

TEST_F(StationCommandsTest, StationAnswersLikeTheQueryWithTheStationBox) {
    EXPECT_EQ(run({"station", "东桥"}),
              std::make_pair(0, std::string("东桥:5路、12路\r\n\r\n东桥北:7路\n")));
    EXPECT_EQ(run({"station", "东桥北{南湖公园}", "--pick", "东桥北{南湖公园}"}),
              std::make_pair(0, std::string("东桥北:7路\n")));
    EXPECT_EQ(run({"station", "东桥", "--pick", "东桥[西山大道]{南湖公园}"}),
              run({"query", "--station", "东桥", "--pick", "东桥[西山大道]{南湖公园}"}));
    EXPECT_EQ(run({"station", "无此站"}).first, 1);
    EXPECT_EQ(run({"station", "东"}).first, 1);

    auto json = nlohmann::json::parse(run({"--format", "json", "station", "西山"}).second);
    EXPECT_EQ(json["mode"], "singleST");
    EXPECT_EQ(json["outcome"], 4);
    EXPECT_EQ(json["records"], 1);
}

}  // namespace
}  // namespace busquery::cli
