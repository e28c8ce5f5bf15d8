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

using Outcome = test::CliRun;

Outcome runWith(const std::string& db, std::vector<std::string> args,
                const std::string& input = "") {
    args.insert(args.begin(), {"--db", db});
    return test::runCliWith(std::move(args), input);
}

TEST(RouteCommandTest, AnswersAsTheRouteBoxesDo) {
    TempDir dir;
    const std::string db = TestCity{}
                               .line("1路", "甲;乙;丙;丁;")
                               .line("2路", "戊;丙;己;庚;")
                               .station("甲", "1路;")
                               .station("庚", "2路;")
                               .write(dir / "busdata")
                               .string();
    const std::string plan = "第1种方案(共约4站)：从 甲 坐1路(2站)在 丙 换乘 2路(2站)到 庚\r\n";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{"route", "甲", "丁"}, 0, "1路经过站点：甲;乙;丙;丁;(共3站)\r\n\r\n"},
        {{"route", "甲", "庚"}, 0, plan},
        {{"route", "甲[东大街]", "庚{公园}"}, 0, plan},
        {{"query", "--from", "甲", "--to", "庚"}, 0, plan},
        {{"route", "庚", "甲"}, 1, "没有适合路线！\n"},
        {{"route", "无此站", "庚"}, 1, "未选择起始站\n"},
        {{"route", "甲", "无此站"}, 1, "未选择终点站\n"},
        {{"route", "甲"}, 2, ""},
    };
    for (const auto& c : cases) {
        auto result = runWith(db, c.args);
        EXPECT_EQ(result.status, c.status) << c.args[1];
        EXPECT_EQ(result.out, c.out) << c.args[1];
        EXPECT_EQ(result.err.empty(), c.status != 2) << result.err;
    }

    auto json = nlohmann::json::parse(runWith(db, {"--format", "json", "route", "甲", "庚"}).out);
    EXPECT_EQ(json["mode"], "multiST");
    EXPECT_EQ(json["outcome"], 8);
    EXPECT_EQ(json["records"], 0);
    ASSERT_EQ(json["pieces"].size(), 8u);
    EXPECT_EQ(json["pieces"][4],
              nlohmann::json({{"text", " 丙"}, {"rgb", {255, 0, 0}}, {"bold", false}}));

    auto batch = runWith(db, {"batch"}, "{\"from\": \"庚\", \"to\": \"甲\"}\n");
    EXPECT_EQ(nlohmann::json::parse(batch.out)["outcome"], 9);
    EXPECT_EQ(nlohmann::json::parse(batch.out)["message"], "没有适合路线！");
}

}  // namespace
}  // namespace busquery::cli
