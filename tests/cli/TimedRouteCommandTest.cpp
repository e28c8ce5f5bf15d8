#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

using test::TempDir;

// Line 1 from 东桥 to 北站 on weekdays of January 2026, every half hour from 06:00 to 07:00 and
// once past midnight; line 2 from 北站 to 南湖 at 06:20 daily; 北站 and 北站东 a short walk apart.
void writeFeed(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const std::pair<const char*, const char*> files[] = {
        {"agency.txt", "agency_name,agency_url,agency_timezone\nA,http://a,Asia/Shanghai\n"},
        {"stops.txt",
         "stop_id,stop_name,stop_lat,stop_lon\nS1,东桥,30.000,120.000\nS2,北站,30.010,120.000\n"
         "S3,南湖,30.020,120.000\nS4,北站东,30.010,120.002\n"},
        {"routes.txt", "route_id,route_short_name,route_type\nR1,1,3\nR2,2,3\n"},
        {"calendar.txt",
         "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,"
         "end_date\nWK,1,1,1,1,1,0,0,20260101,20260131\nALL,1,1,1,1,1,1,1,20260101,20260131\n"},
        {"trips.txt",
         "route_id,service_id,trip_id,trip_headsign\nR1,WK,T1,北站\nR1,WK,T2,北站\nR1,WK,T3,北站\n"
         "R1,WK,T4,北站\nR2,ALL,T5,南湖\n"},
        {"stop_times.txt",
         "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
         "T1,06:00:00,06:00:00,S1,1\nT1,06:10:00,06:10:00,S2,2\n"
         "T2,06:30:00,06:30:00,S1,1\nT2,06:40:00,06:40:00,S2,2\n"
         "T3,07:00:00,07:00:00,S1,1\nT3,07:10:00,07:10:00,S2,2\n"
         "T4,24:30:00,24:30:00,S1,1\nT4,24:40:00,24:40:00,S2,2\n"
         "T5,06:20:00,06:20:00,S4,1\nT5,06:35:00,06:35:00,S3,2\n"},
    };
    for (const auto& [name, content] : files) std::ofstream(folder / name) << content;
}

TEST(TimedRouteCommandTest, AnswersByTheClockWhereTheDataHasATimetable) {
    TempDir dir;
    writeFeed(dir / "feed");
    const std::string db = (dir / "busdata").string();
    ASSERT_EQ(test::runCliWith({"import-gtfs", (dir / "feed").string(), db}).status, 0);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{"--at", "2026-01-08 06:05"},
         0,
         "第1种方案 06:30出发 06:40到达(共10分钟，换乘0次)：06:30 从 东桥 坐1路(往 北站, 1站) "
         "06:40 "
         "到 北站\r\n\r\n第2种方案 07:00出发 07:10到达(共10分钟，换乘0次)：07:00 从 东桥 坐1路(往 "
         "北站, "
         "1站) 07:10 到 北站\r\n\r\n"},
        {{"--at", "2026-01-08 23:50"},
         0,
         "第1种方案 次日00:30出发 次日00:40到达(共10分钟，换乘0次)：次日00:30 从 东桥 坐1路(往 "
         "北站, "
         "1站) 次日00:40 到 北站\r\n\r\n"},
        {{"--arrive-by", "2026-01-08 06:45"},
         0,
         "第1种方案 06:00出发 06:10到达(共10分钟，换乘0次)：06:00 从 东桥 坐1路(往 北站, 1站) "
         "06:10 "
         "到 北站\r\n\r\n第2种方案 06:30出发 06:40到达(共10分钟，换乘0次)：06:30 从 东桥 坐1路(往 "
         "北站, "
         "1站) 06:40 到 北站\r\n\r\n"},
        {{"--at", "2026-01-10 06:00"}, 1, "24小时内没有可乘坐的车次！\n"},
        {{"--at", "2026-03-05 06:50"},
         0,
         "时刻表不含所选日期，以下按同为星期四的2026-01-29查询\r\n\r\n第1种方案 07:00出发 "
         "07:10到达("
         "共10分钟，换乘0次)：07:00 从 东桥 坐1路(往 北站, 1站) 07:10 到 北站\r\n\r\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--db", db, "route", "东桥", "北站"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto result = test::runCliWith(args);
        EXPECT_EQ(result.status, c.status) << c.args[1];
        EXPECT_EQ(result.out, c.out) << c.args[1];
    }

    // A walk between two rides, and the journey in JSON.
    const auto json =
        nlohmann::json::parse(test::runCliWith({"--db", db, "--format", "json", "route", "东桥",
                                                "南湖", "--at", "2026-01-08 05:50"})
                                  .out);
    EXPECT_EQ(json["outcome"], 12);
    EXPECT_EQ(json["at"], "2026-01-08T05:50");
    EXPECT_EQ(json["serviceDate"], "2026-01-08");
    ASSERT_EQ(json["journeys"].size(), 1u);
    const auto& journey = json["journeys"][0];
    EXPECT_EQ(journey["depart"], "2026-01-08T06:00");
    EXPECT_EQ(journey["arrive"], "2026-01-08T06:35");
    EXPECT_EQ(journey["rides"], 2);
    ASSERT_EQ(journey["legs"].size(), 3u);
    EXPECT_EQ(journey["legs"][1]["kind"], "walk");
    EXPECT_EQ(journey["legs"][2], nlohmann::json({{"kind", "ride"},
                                                  {"line", "2路"},
                                                  {"headsign", "南湖"},
                                                  {"from", "北站东"},
                                                  {"to", "南湖"},
                                                  {"depart", "2026-01-08T06:20"},
                                                  {"arrive", "2026-01-08T06:35"},
                                                  {"stops", 1}}));

    // A batch asks with "at" or "arriveBy"; without them it answers as ever.
    const auto batch = test::runCliWith(
        {"--db", db, "batch"},
        "{\"from\": \"东桥\", \"to\": \"北站\", \"at\": \"2026-01-08 06:05\"}\n"
        "{\"from\": \"东桥\", \"to\": \"北站\", \"arriveBy\": \"2026-01-08 06:45\"}\n"
        "{\"from\": \"东桥\", \"to\": \"北站\"}\n"
        "{\"from\": \"东桥\", \"to\": \"北站\", \"at\": \"6 o'clock\"}\n"
        "{\"line\": \"1\"}\n");
    std::istringstream lines(batch.out);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);)
        answers.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(answers.size(), 5u);
    EXPECT_EQ(answers[0]["journeys"][0]["depart"], "2026-01-08T06:30");
    EXPECT_EQ(answers[1]["journeys"][1]["arrive"], "2026-01-08T06:40");
    EXPECT_EQ(answers[2]["outcome"], 3);
    EXPECT_FALSE(answers[2].contains("journeys"));
    EXPECT_TRUE(answers[3].contains("error"));
    // A line lookup lists the departures as the line command does.
    const auto line =
        nlohmann::json::parse(test::runCliWith({"--db", db, "--format", "json", "line", "1"}).out);
    ASSERT_TRUE(line["lines"][0].contains("departures"));
    EXPECT_EQ(answers[4], line);
}

TEST(TimedRouteCommandTest, LeavesOutLinesOutOfServiceWithoutATimetable) {
    TempDir dir;
    const std::string db = test::TestCity{}
                               .line("1路", "甲;乙;", "(06:00-22:00)")
                               .line("2路", "甲;乙;", "(22:30-次日05:00)")
                               .station("甲", "1路;2路;")
                               .station("乙", "1路;2路;")
                               .write(dir / "busdata")
                               .string();
    struct Case {
        std::vector<std::string> extra;
        std::string out;
    };
    const Case cases[] = {
        {{}, "1路经过站点：甲;乙;(共1站)\r\n\r\n2路经过站点：甲;乙;(共1站)\r\n\r\n"},
        {{"--at", "08:00"},
         "1路经过站点：甲;乙;(共1站)\r\n\r\n此时不在运营时间内、未用于查询的线路：2路\r\n\r\n"},
        {{"--at", "2026-01-08 23:00"},
         "2路经过站点：甲;乙;(共1站)\r\n\r\n此时不在运营时间内、未用于查询的线路：1路\r\n\r\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--db", db, "route", "甲", "乙"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        EXPECT_EQ(test::runCliWith(args).out, c.out) << (c.extra.empty() ? "" : c.extra[1]);
    }
}

}  // namespace
}  // namespace busquery::cli
