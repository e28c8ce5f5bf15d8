#include <gtest/gtest.h>

#include "gtfs/GtfsImporter.h"
#include "gtfs/GtfsTestFeed.h"
#include "query/PieceRecorder.h"
#include "query/QuerySession.h"
#include "support/TempDir.h"

#include <map>
#include <optional>

namespace busquery {
namespace {

using test::basicFeed;
using test::TempDir;

// The query engine answers on an imported city as on any bus database.
class GtfsImportQueryTest : public ::testing::Test {
  protected:
    GtfsImportQueryTest() {
        test::GtfsTestFeed feed = basicFeed();
        feed.files["stops.txt"] += "S4,南湖,,,0\nS5,机场,,,0\n";
        feed.files["routes.txt"] += "M1,,地铁1号线,1\n";
        feed.files["trips.txt"] += "M1,WK,T4,\n";
        feed.files["stop_times.txt"] +=
            "T4,07:00:00,07:00:00,S4,1\nT4,07:10:00,07:10:00,S3,2\nT4,07:30:00,07:30:00,S5,3\n";
        GtfsImportOptions options;
        options.feed = feed.writeFolder(dir_ / "feed");
        options.out = dir_ / "busdata";
        importGtfs(options);
    }

    std::string answer(const QueryInput& input) {
        Query query = session_.query();
        PieceRecorder pane;
        query.run(input, pane);
        return pane.text();
    }

    TempDir dir_;
    QuerySession session_{dir_ / "busdata"};
};

TEST_F(GtfsImportQueryTest, LineStationAndRouteQuestions) {
    struct Case {
        QueryInput input;
        std::string text;
    };
    const Case cases[] = {
        {{"12", {}, {}, {}, {}},
         "12路上行(06:00-22:30)\r\n途径站点：东桥;西门;北站;\r\n\r\n"
         "12路下行(00:50-00:50)\r\n途径站点：北站;西门;东桥;\r\n\r\n"},
        {{"地铁", {}, {}, {}, {}}, "地铁1号线(07:00-07:00)\r\n途径站点：南湖;北站;机场;\r\n\r\n"},
        {{{}, "北站", {}, {}, {}}, "北站:12路上行、12路下行、地铁1号线"},
        {{{}, {}, "东桥", "北站", {}}, "12路经过站点：东桥;西门;北站;(共2站)\r\n\r\n"},
        {{{}, {}, "东桥", "机场", {}},
         "第1种方案(共约3站)：从 东桥 坐12路(2站)在 北站 换乘 地铁1号线(1站)到 机场\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(answer(c.input), c.text);
    }
}

}  // namespace
}  // namespace busquery

namespace busquery {
namespace {

// The city's own name and language come from agency.txt and feed_info.txt; a name given to the
// import stands before the agency's.
TEST(GtfsImportCityTest, TheImportRecordsTheAgencysNameAndTheFeedsLanguage) {
    const std::string agency =
        "agency_id,agency_name,agency_url,agency_timezone,agency_lang\n"
        "A,Vilnius,https://www.vilnius.example,Europe/Vilnius,lt\n"
        "B,Other,https://other.example,Europe/Vilnius,en\n";
    struct Case {
        std::map<std::string, std::string> files;
        std::optional<CityRow> expected;
        std::optional<std::string> cityName = std::nullopt;
    };
    const Case cases[] = {
        {{}, std::nullopt},
        {{{"agency.txt", agency}}, CityRow{"gtfs", "Vilnius", "lt"}},
        {{{"agency.txt", agency}, {"feed_info.txt", "feed_publisher_name,feed_lang\nX,en\n"}},
         CityRow{"gtfs", "Vilnius", "en"}},
        {{{"agency.txt", "agency_id,agency_url\nA,https://a.example\n"}}, std::nullopt},
        {{{"agency.txt", agency}}, CityRow{"gtfs", "Vilnius city", "lt"}, " Vilnius city "},
        {{}, CityRow{"gtfs", "Fukuoka", ""}, "Fukuoka"},
        {{{"agency.txt", agency}}, CityRow{"gtfs", "Vilnius", "lt"}, " \t"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        test::GtfsTestFeed feed = basicFeed();
        for (const auto& [name, content] : c.files) feed.file(name, content);
        GtfsImportOptions options;
        options.feed = feed.writeFolder(dir / "feed");
        options.out = dir / "busdata";
        options.citycode = "gtfs";
        options.cityName = c.cityName;
        importGtfs(options);
        BusData data(dir / "busdata");
        data.refresh();
        const std::optional<CityRow> city = data.database().city();
        ASSERT_EQ(city.has_value(), c.expected.has_value());
        if (!city) {
            EXPECT_EQ(Query(data).cityName(), std::nullopt);
            continue;
        }
        EXPECT_EQ(city->citycode, c.expected->citycode);
        EXPECT_EQ(city->ctna, c.expected->ctna);
        EXPECT_EQ(city->lang, c.expected->lang);
        EXPECT_EQ(Query(data).cityName(), c.expected->ctna);
    }
}

}  // namespace
}  // namespace busquery
