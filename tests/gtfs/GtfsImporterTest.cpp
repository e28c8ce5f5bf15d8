#include "gtfs/GtfsImporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "gtfs/GtfsTestFeed.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

using test::basicFeed;
using test::GtfsTestFeed;
using test::lineRows;
using test::stationRows;
using test::tableRows;
using test::TempDir;
using ::testing::ElementsAre;

class GtfsImporterTest : public ::testing::Test {
  protected:
    ImportSummary import(const GtfsTestFeed& feed, GtfsImportOptions options = {}) {
        options.feed = feed.writeFolder(dir_ / ("feed" + std::to_string(++feeds_)));
        options.out = out_;
        std::filesystem::remove(out_);
        return importGtfs(options);
    }

    // A feed of one route per row of routes, each run by the trips given as
    // "trip_id,route_id,direction_id: stop stop stop" with every stop a station of its own name.
    static GtfsTestFeed patternFeed(const std::string& routes,
                                    const std::vector<std::string>& trips) {
        std::string stops = "stop_id,stop_name\n";
        std::string tripRows = "trip_id,route_id,direction_id\n";
        std::string times = "trip_id,stop_id,stop_sequence,departure_time\n";
        std::vector<std::string> seen;
        int hour = 5;
        for (const std::string& trip : trips) {
            std::size_t colon = trip.find(':');
            tripRows += trip.substr(0, colon) + "\n";
            std::string id = trip.substr(0, trip.find(','));
            std::istringstream names(trip.substr(colon + 1));
            std::string name;
            for (int sequence = 1; names >> name; ++sequence) {
                if (std::find(seen.begin(), seen.end(), name) == seen.end()) {
                    seen.push_back(name);
                    stops += name + "," + name + "\n";
                }
                times += id + "," + name + "," + std::to_string(sequence) + "," +
                         (hour < 10 ? "0" : "") + std::to_string(hour) + ":00:00\n";
            }
            ++hour;
        }
        return GtfsTestFeed{}
            .file("stops.txt", stops)
            .file("routes.txt", routes)
            .file("trips.txt", tripRows)
            .file("stop_times.txt", times);
    }

    TempDir dir_;
    std::filesystem::path out_ = dir_ / "busdata";
    int feeds_ = 0;
};

TEST_F(GtfsImporterTest, DirectionsAndParentStationsMakeTheLinesAndStations) {
    ImportSummary summary = import(basicFeed());

    // Platforms count as their parent station; the inbound trip leaves at 00:50 of the next day.
    EXPECT_THAT(lineRows(out_), ElementsAre("1|velmorina|12路上行|(06:00-22:30)|东桥;西门;北站;",
                                            "2|velmorina|12路下行|(00:50-00:50)|北站;西门;东桥;"));
    EXPECT_THAT(stationRows(out_),
                ElementsAre("东桥|西山大道|东桥公交站|12路上行;12路下行;",
                            "西门|||12路上行;12路下行;", "北站|||12路上行;12路下行;"));
    EXPECT_THAT(tableRows(out_, "SELECT lineid FROM \"no\""), ElementsAre("12"));
    EXPECT_THAT(tableRows(out_, "SELECT COUNT(*) FROM TmpTb"), ElementsAre("0"));
    EXPECT_EQ(summary.lines, 2u);
    EXPECT_EQ(summary.stations, 3u);
    EXPECT_EQ(summary.trips, 3u);
    EXPECT_EQ(summary.stopTimes, 9u);
    EXPECT_TRUE(summary.skipped.empty());
}

TEST_F(GtfsImporterTest, ABranchThatReachesOtherStationsBecomesALineOfItsOwn) {
    import(patternFeed("route_id,route_short_name\nR5,5\n",
                       {"A,R5,0: 甲 乙 丙 丁", "B,R5,0: 甲 乙 丙 丁", "C,R5,0: 甲 乙 戊",
                        "D,R5,0: 甲 乙 丙",        // short run of the main line: no line of its own
                        "E,R5,0: 乙 丙 丁",        // starts elsewhere: its departure is not counted
                        "F,R5,0: 甲 乙 戊 己"}));  // reaches 己 as well: a second branch

    EXPECT_THAT(lineRows(out_), ElementsAre("1|velmorina|5路上行|(05:00-08:00)|甲;乙;丙;丁;",
                                            "2|velmorina|5路支线上行|(07:00-07:00)|甲;乙;戊;",
                                            "3|velmorina|5路支线2上行|(10:00-10:00)|甲;乙;戊;己;"));
    EXPECT_THAT(
        stationRows(out_),
        ElementsAre("甲|||5路上行;5路支线上行;5路支线2上行;",
                    "乙|||5路上行;5路支线上行;5路支线2上行;", "丙|||5路上行;", "丁|||5路上行;",
                    "戊|||5路支线上行;5路支线2上行;", "己|||5路支线2上行;"));
}

TEST_F(GtfsImporterTest, LinesAreNumberedBySortOrderThenNaturalNameOrder) {
    import(
        patternFeed("route_id,route_short_name,route_long_name,route_sort_order\n"
                    "R10,10,,\n"
                    "RB,B2,,\n"
                    "R2,2,,\n"
                    "RM,,地铁1号线,1\n"
                    "R12,12路,,\n"
                    "RB10,B10,,\n",
                    {"t1,R10,1: 甲 乙", "t2,R10,0: 乙 甲", "t3,RB,: 甲 乙", "t4,R2,: 甲 乙",
                     "t5,RM,: 甲 乙", "t6,R12,: 甲 乙", "t7,RB10,: 甲 乙"}));

    EXPECT_THAT(
        tableRows(out_, "SELECT lnid, lnna FROM nlninfo ORDER BY lnid"),
        ElementsAre("1|地铁1号线", "2|2路", "3|10路上行", "4|10路下行", "5|12路", "6|B2", "7|B10"));
    EXPECT_THAT(tableRows(out_, "SELECT lineid FROM \"no\""),
                ElementsAre("地铁1号线", "2", "10", "12路", "B2", "B10"));
}

TEST_F(GtfsImporterTest, NamesStayUniqueAndListSafe) {
    GtfsTestFeed feed = patternFeed(
        "route_id,route_short_name,route_long_name\n"
        "R1,7,\n"
        "R2,7,\n"
        "R3,\"X;Y [快]\",\n",
        {"a,R1,0: 甲 乙 丙", "b,R2,0: 丙 甲", "c,R3,: 甲 丙"});
    // 甲 and 乙 have names the bus database takes as equal (ASCII case aside): one station,
    // so trip a's repeat at once is collapsed. A line break in a quoted name becomes a blank.
    feed.file("stops.txt", "stop_id,stop_name\n甲,\"Main\r\nSt\"\n乙,MAIN ST\n丙,Elm;\n");
    import(feed);

    EXPECT_THAT(lineRows(out_),
                ElementsAre("1|velmorina|7路上行|(05:00-05:00)|Main St;Elm；;",
                            "2|velmorina|7路(2)上行|(06:00-06:00)|Elm；;Main St;",
                            "3|velmorina|X；Y ［快］|(07:00-07:00)|Main St;Elm；;"));
    EXPECT_THAT(stationRows(out_), ElementsAre("Main St|||7路上行;7路(2)上行;X；Y ［快］;",
                                               "Elm；|||7路上行;7路(2)上行;X；Y ［快］;"));
}

TEST_F(GtfsImporterTest, DepartureTimesComeFromTheFirstStopOrFrequencies) {
    GtfsTestFeed feed = basicFeed();
    // T2 runs every 20 minutes from 07:00 until before 09:00: its last run leaves at 08:40.
    feed.file("frequencies.txt",
              "trip_id,start_time,end_time,headway_secs\nT2,07:00:00,09:00:00,1200\n");
    import(feed);
    EXPECT_THAT(tableRows(out_, "SELECT fltime FROM nlninfo ORDER BY lnid"),
                ElementsAre("(06:00-08:40)", "(00:50-00:50)"));

    // A first stop without a departure time falls back to its arrival; none at all, no times.
    feed = basicFeed();
    feed.file("stop_times.txt",
              "trip_id,stop_id,stop_sequence,arrival_time,departure_time\n"
              "T1,S1a,1,06:00:00,\nT1,S3,2,,\n"
              "T3,S3,1,,\nT3,S1b,2,07:00:00,07:00:00\n");
    import(feed);
    EXPECT_THAT(tableRows(out_, "SELECT lnna, fltime, Passstna FROM nlninfo ORDER BY lnid"),
                ElementsAre("12路上行|(06:00-06:00)|东桥;北站;", "12路下行||北站;东桥;"));
}

TEST_F(GtfsImporterTest, StopTimesInAnyOrderAreSortedBySequence) {
    GtfsTestFeed feed = basicFeed();
    feed.file("stop_times.txt",
              "stop_sequence,stop_id,trip_id,departure_time\n"
              "30,S3,T1,06:10:00\n"
              "5,S1a,T3,07:00:00\n"
              "10,S1a,T1,06:00:00\n"
              "2,S3,T3,06:50:00\n"
              "20,S2,T1,06:05:00\n"
              "20,S3,T1,06:06:00\n");  // a repeated stop_sequence: the first row stays
    ImportSummary summary = import(feed);
    EXPECT_THAT(
        tableRows(out_, "SELECT lnna, fltime, Passstna FROM nlninfo ORDER BY lnid"),
        ElementsAre("12路上行|(06:00-06:00)|东桥;西门;北站;", "12路下行|(06:50-06:50)|北站;东桥;"));
    ASSERT_EQ(summary.skipped.size(), 2u);
    EXPECT_EQ(summary.skipped[0].reason, "同一班次的 stop_sequence 重复");
    EXPECT_EQ(summary.skipped[1].reason, "班次没有停靠记录");  // T2
}

TEST_F(GtfsImporterTest, DataDateAndCityCode) {
    GtfsTestFeed feed = basicFeed();
    feed.file("feed_info.txt",
              "feed_publisher_name,feed_lang,feed_start_date\nVelmorina Transit,zh,20240305\n");
    ImportSummary summary = import(feed);
    EXPECT_THAT(tableRows(out_, "SELECT id, date FROM dbdate"), ElementsAre("1|2024.3.5"));
    EXPECT_EQ(summary.date, "2024.3.5");

    GtfsImportOptions options;
    options.date = "2009.1.6";
    options.citycode = "harbour";
    import(feed, options);
    EXPECT_THAT(tableRows(out_, "SELECT date FROM dbdate"), ElementsAre("2009.1.6"));
    EXPECT_THAT(tableRows(out_, "SELECT DISTINCT citycode FROM nlninfo"), ElementsAre("harbour"));
}

// An impossible feed_start_date is read as none: the data date is then the day of the import.
TEST_F(GtfsImporterTest, AnImpossibleFeedStartDateFallsBackToToday) {
    const std::string today = import(basicFeed()).date;
    const std::pair<const char*, std::string> cases[] = {
        {"20240229", "2024.2.29"}, {"19991231", "1999.12.31"}, {"00000231", today},
        {"20230229", today},       {"20240431", today},        {"20241301", today},
        {"20240100", today},       {"2024031", today},         {"2024-3-5", today},
    };
    for (const auto& [text, date] : cases) {
        SCOPED_TRACE(text);
        GtfsTestFeed feed = basicFeed();
        feed.file("feed_info.txt",
                  std::string("feed_publisher_name,feed_start_date\nV,") + text + "\n");
        EXPECT_EQ(import(feed).date, date);
        EXPECT_THAT(tableRows(out_, "SELECT date FROM dbdate"), ElementsAre(date));
    }
}

TEST_F(GtfsImporterTest, FrequenciesThatCannotRunAreSkippedForWhatTheyAre) {
    GtfsTestFeed feed = basicFeed();
    feed.file("frequencies.txt",
              "trip_id,start_time,end_time,headway_secs\n"
              "T2,09:00:00,07:00:00,600\n"
              "T2,07:00:00,07:00:00,600\n"
              "T2,7:00,08:00:00,600\n"
              "T2,07:00:00,8h,600\n"
              "T2,07:00:00,08:00:00,0\n");
    ImportSummary summary = import(feed);
    std::vector<std::string> issues;
    for (const RowIssue& issue : summary.skipped) {
        issues.push_back(issue.reason + "×" + std::to_string(issue.count) + "：" + issue.example);
    }
    EXPECT_THAT(issues, ElementsAre("结束时间不晚于开始时间×2：第 2 行，end_time “07:00:00”",
                                    "时间格式无效×2：第 4 行，start_time “7:00”",
                                    "headway_secs 无效×1：第 6 行，headway_secs “0”"));
}

// Each bad row is skipped and counted under its file and reason (or kept and counted as read
// differently); the rest imports as usual.
TEST_F(GtfsImporterTest, BadRowsAreSkippedAndCounted) {
    struct Case {
        std::string file;
        std::string extraRows;
        std::vector<std::string> issues;  // file：reason×count, skipped ones first
    };
    const Case cases[] = {
        {"stop_times.txt",
         "T1,06:20:00,06:20:00,NOWHERE,4\n",
         {"stop_times.txt：stop_id 不存在（或该站点已跳过）×1"}},
        {"stop_times.txt",
         "T9,06:20:00,06:20:00,S2,4\n",
         {"stop_times.txt：trip_id 不存在（或该班次已跳过）×1"}},
        {"stop_times.txt", "T1,6:2:00,06:20:00,S2,4\n", {"stop_times.txt：时间格式无效×1"}},
        {"stop_times.txt",
         "T1,06:20:00,06:61:00,S2,4\nT1,,noon,S2,5\n",
         {"stop_times.txt：时间格式无效×2"}},
        {"stop_times.txt",
         "T1,06:20:00,06:20:00,S2,four\nT1,,,S2,-1\n",
         {"stop_times.txt：stop_sequence 无效×2"}},
        {"trips.txt", "R99,WK,T7,0\n", {"trips.txt：route_id 不存在（或该路线已跳过）×1"}},
        {"trips.txt", "R12,WK,T1,1\n", {"trips.txt：trip_id 重复×1"}},
        {"trips.txt",
         "R12,WK,T8,up\n",
         {"trips.txt：班次没有停靠记录×1", "trips.txt：direction_id 无效，按无方向处理×1"}},
        {"routes.txt", "R12,99,,3\n", {"routes.txt：route_id 重复×1"}},
        {"routes.txt", "R13,,,3\n", {"routes.txt：线路名称为空×1"}},
        {"stops.txt", "S2,南门,,,0\n", {"stops.txt：stop_id 重复×1"}},
        {"stops.txt", "S4,,,,0\n", {"stops.txt：站名为空×1"}},
        {"stops.txt", "S5,\"\xC4\",,,0\n", {"stops.txt：文字不是 UTF-8 编码×1"}},
        {"stops.txt", "S6,公园,,,0\n", {"stops.txt：没有线路经过的站点，未导入×1"}},
        // Kept under its own name, which then no line serves.
        {"stops.txt",
         "S7,小巷,NOPARENT,,0\n",
         {"stops.txt：没有线路经过的站点，未导入×1",
          "stops.txt：parent_station 不存在，按独立站点导入×1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extraRows);
        GtfsTestFeed feed = basicFeed();
        feed.files[c.file] += c.extraRows;
        ImportSummary summary = import(feed);
        std::vector<std::string> issues;
        for (const auto* list : {&summary.skipped, &summary.adjusted}) {
            for (const RowIssue& issue : *list) {
                issues.push_back(issue.file + "：" + issue.reason + "×" +
                                 std::to_string(issue.count));
            }
        }
        EXPECT_EQ(issues, c.issues);
        EXPECT_EQ(summary.lines, 2u);
        EXPECT_EQ(lineRows(out_)[0], "1|velmorina|12路上行|(06:00-22:30)|东桥;西门;北站;");
    }
}

TEST_F(GtfsImporterTest, SummaryTellsWhatWasImportedAndSkipped) {
    GtfsTestFeed feed = basicFeed();
    feed.files["stop_times.txt"] += "T1,06:20:00,06:20:00,NOWHERE,4\nT2,06:20:00,06:20:00,NIX,4\n";
    ImportSummary summary = import(feed);
    EXPECT_EQ(
        summary.text(),
        "已导入 GTFS 数据到 " + out_.string() +
            "\n"
            "  线路 2 条（来自 1 条路线，其中支线 0 条），站点 3 个\n"
            "  班次 3 个，停靠记录 9 条\n"
            "  其中 3 个班次可由本路线的一条线路从首站按顺序乘到末站\n"
            "  有坐标的站点 0 个，同名异地分开命名的站名 0 个，合并重复线路 0 条，步行连接 0 条\n"
            "  时刻表：班次 3 个，停靠时刻 9 条\n"
            "  数据没有 calendar.txt 和 calendar_dates.txt：所有班次按每天运行\n"
            "  城市代码 velmorina，数据日期 " +
            summary.date +
            "\n"
            "跳过 2 项：\n"
            "  stop_times.txt：stop_id 不存在（或该站点已跳过），2 项（例如：第 11 行，stop_id "
            "“NOWHERE”）\n");
}

}  // namespace
}  // namespace busquery
