#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "gtfs/GtfsImporter.h"
#include "gtfs/GtfsTestFeed.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

using test::GtfsTestFeed;
using test::lineRows;
using test::tableRows;
using test::TempDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using ::testing::UnorderedElementsAreArray;

// Degrees of latitude per metre on the sphere walks are measured on.
constexpr double kDegreesPerMetre = 180 / (6371008.8 * std::numbers::pi);

// A feed put together stop by stop, route by route and trip by trip. Positions are given in
// metres north and east of a point in the city; a trip's stops depart a minute apart.
class FeedBuilder {
  public:
    FeedBuilder& stop(const std::string& id, const std::string& name, double north, double east,
                      const std::string& description = "", const std::string& zone = "",
                      const std::string& parent = "") {
        char position[64];
        std::snprintf(position, sizeof position, "%.9f,%.9f", 31.0 + north * kDegreesPerMetre,
                      121.0 + east * kDegreesPerMetre / std::cos(31.0 * std::numbers::pi / 180));
        stops_ +=
            id + "," + name + "," + position + "," + description + "," + zone + "," + parent + "\n";
        return *this;
    }
    FeedBuilder& unplacedStop(const std::string& id, const std::string& name) {
        stops_ += id + "," + name + ",,,,,\n";
        return *this;
    }
    FeedBuilder& route(const std::string& id, const std::string& shortName,
                       const std::string& type = "3", const std::string& longName = "") {
        routes_ += id + "," + shortName + "," + type + "," + longName + "\n";
        return *this;
    }
    // direction "" for none; start as HH:MM:SS.
    FeedBuilder& trip(const std::string& id, const std::string& route, const std::string& direction,
                      const std::vector<std::string>& stops, const std::string& start = "06:00:00",
                      const std::string& service = "WK") {
        trips_ += route + "," + id + "," + direction + "," + service + "\n";
        const int hours = std::stoi(start.substr(0, start.find(':')));
        const int minutes = std::stoi(start.substr(start.find(':') + 1, 2));
        for (std::size_t k = 0; k < stops.size(); ++k) {
            const int at = hours * 60 + minutes + static_cast<int>(k);
            char time[32];
            std::snprintf(time, sizeof time, "%02d:%02d:00", at / 60, at % 60);
            times_ += id + "," + stops[k] + "," + std::to_string(k + 1) + "," + time + "\n";
        }
        return *this;
    }
    FeedBuilder& file(const std::string& name, const std::string& content) {
        extra_.emplace_back(name, content);
        return *this;
    }

    GtfsTestFeed feed() const {
        GtfsTestFeed feed;
        feed.file("stops.txt", stops_)
            .file("routes.txt", routes_)
            .file("trips.txt", trips_)
            .file("stop_times.txt", times_);
        for (const auto& [name, content] : extra_) feed.file(name, content);
        return feed;
    }

  private:
    std::string stops_ = "stop_id,stop_name,stop_lat,stop_lon,stop_desc,zone_id,parent_station\n";
    std::string routes_ = "route_id,route_short_name,route_type,route_long_name\n";
    std::string trips_ = "route_id,trip_id,direction_id,service_id\n";
    std::string times_ = "trip_id,stop_id,stop_sequence,departure_time\n";
    std::vector<std::pair<std::string, std::string>> extra_;
};

// Stops A to H one kilometre apart northwards, each a station of its own name.
FeedBuilder lineOfStops() {
    FeedBuilder feed;
    const std::string names = "ABCDEFGH";
    for (std::size_t k = 0; k < names.size(); ++k) {
        feed.stop(std::string(1, names[k]), std::string(1, names[k]), 1000.0 * k, 0);
    }
    return feed;
}

class GtfsNetworkRulesTest : public ::testing::Test {
  protected:
    ImportSummary import(const FeedBuilder& feed) {
        GtfsImportOptions options;
        options.feed = feed.feed().writeFolder(dir_ / ("feed" + std::to_string(++feeds_)));
        options.out = out_;
        std::filesystem::remove(out_);
        return importGtfs(options);
    }

    std::vector<std::string> lines() {
        return tableRows(out_, "SELECT lnna, fltime, Passstna FROM nlninfo ORDER BY lnid");
    }

    TempDir dir_;
    std::filesystem::path out_ = dir_ / "busdata";
    int feeds_ = 0;
};

TEST_F(GtfsNetworkRulesTest, TheWayBackWithoutDirectionIdIsTheOtherDirection) {
    struct Case {
        const char* what;
        FeedBuilder feed;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"both ways; short runs either way fold into the line starting where they start",
         lineOfStops()
             .route("R5", "5")
             .trip("t1", "R5", "", {"A", "B", "C"}, "05:00:00")
             .trip("t2", "R5", "", {"A", "B", "C"}, "06:00:00")
             .trip("t3", "R5", "", {"C", "B", "A"}, "07:00:00")
             .trip("t4", "R5", "", {"B", "C"}, "08:00:00")
             .trip("t5", "R5", "", {"C", "B"}, "09:00:00"),
         {"5路上行|(05:00-06:00)|A;B;C;", "5路下行|(07:00-09:00)|C;B;A;"}},
        {"the busier way back is still the second direction of the main pattern's route",
         lineOfStops()
             .route("R5", "5")
             .trip("t1", "R5", "", {"D", "C", "B", "A"}, "05:00:00")
             .trip("t2", "R5", "", {"A", "B", "C", "D"}, "06:00:00")
             .trip("t3", "R5", "", {"A", "B", "C", "D"}, "07:00:00")
             .trip("t4", "R5", "", {"C", "B", "A"}, "08:00:00"),
         {"5路上行|(06:00-07:00)|A;B;C;D;", "5路下行|(05:00-05:00)|D;C;B;A;"}},
        {"a loop run one way only keeps a name without a direction word",
         lineOfStops()
             .route("R9", "9")
             .trip("t1", "R9", "", {"A", "B", "C", "A"})
             .trip("t2", "R9", "", {"A", "B", "C", "A"}, "07:00:00"),
         {"9路|(06:00-07:00)|A;B;C;A;"}},
        {"sharing one station only, a pattern goes by the way it heads",
         lineOfStops()
             .stop("X", "X", 2500, 0)
             .route("R5", "5")
             .trip("t1", "R5", "", {"A", "B", "C", "D"})
             .trip("t2", "R5", "", {"A", "B", "C", "D"})
             .trip("t3", "R5", "", {"D", "X"}, "07:00:00"),
         {"5路上行|(06:00-06:00)|A;B;C;D;", "5路下行|(07:00-07:00)|D;X;"}},
        {"undirected trips of a route with direction_id join the direction they run",
         lineOfStops()
             .route("R5", "5")
             .trip("t1", "R5", "0", {"A", "B", "C"})
             .trip("t2", "R5", "1", {"C", "B", "A"}, "07:00:00")
             .trip("t3", "R5", "", {"C", "B"}, "08:00:00")
             .trip("t4", "R5", "", {"A", "B", "C", "D"}, "09:00:00"),
         {"5路上行|(06:00-06:00)|A;B;C;", "5路支线上行|(09:00-09:00)|A;B;C;D;",
          "5路下行|(07:00-08:00)|C;B;A;"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImportSummary summary = import(c.feed);
        EXPECT_EQ(lines(), c.lines);
        EXPECT_EQ(summary.tripsInOrder, summary.trips);
    }
}

TEST_F(GtfsNetworkRulesTest, EveryTripIsRiddenInOrderByALineOfItsRoute) {
    // Without direction_id and with patterns of every kind: short runs, a branch, a run that
    // starts on the branch and ends on the trunk.
    FeedBuilder feed = lineOfStops();
    feed.stop("P", "P", 2000, 800).stop("Q", "Q", 2000, 1600).route("R7", "7");
    const std::vector<std::vector<std::string>> patterns = {
        {"A", "B", "C", "D", "E"}, {"E", "D", "C", "B", "A"},
        {"A", "B", "C", "P", "Q"}, {"Q", "P", "C", "B", "A"},
        {"B", "C", "D"},           {"D", "C"},
        {"Q", "P", "C", "D"},      {"A", "C", "E"}};
    int trip = 0;
    for (std::size_t p = 0; p < patterns.size(); ++p) {
        for (std::size_t copy = 0; copy < (p < 2 ? 5u : 1u); ++copy) {
            feed.trip("t" + std::to_string(++trip), "R7", "", patterns[p]);
        }
    }
    ImportSummary summary = import(feed);
    EXPECT_EQ(summary.trips, 16u);
    EXPECT_EQ(summary.tripsInOrder, 15u);  // Q P C D: no line runs from the branch onto the trunk
    EXPECT_THAT(tableRows(out_, "SELECT lnna FROM nlninfo ORDER BY lnid"),
                ElementsAre("7路上行", "7路支线上行", "7路下行", "7路支线下行"));
}

TEST_F(GtfsNetworkRulesTest, ARouteRepeatedUnderNewIdsIsOneLine) {
    FeedBuilder feed = lineOfStops();
    feed.route("a", "22").route("b", "22").route("c", "22").route("d", "22");
    // b runs the way back more often than the way out: its directions still read as a's.
    feed.trip("a1", "a", "", {"A", "B", "C"}, "05:00:00")
        .trip("a2", "a", "", {"C", "B", "A"}, "05:30:00")
        .trip("b1", "b", "", {"C", "B", "A"}, "06:30:00")
        .trip("b2", "b", "", {"C", "B", "A"}, "06:40:00")
        .trip("b3", "b", "", {"A", "B", "C"}, "06:00:00")
        .trip("c1", "c", "", {"A", "B", "C"}, "23:00:00")
        .trip("c2", "c", "", {"C", "B", "A"}, "07:00:00")
        // A line of the name that really differs keeps its own row.
        .trip("d1", "d", "", {"A", "B", "D"}, "08:00:00")
        .trip("d2", "d", "", {"D", "B", "A"}, "08:30:00");
    ImportSummary summary = import(feed);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{
                  "22路上行|(05:00-23:00)|A;B;C;", "22路下行|(05:30-07:00)|C;B;A;",
                  "22路支线上行|(08:00-08:00)|A;B;D;", "22路支线下行|(08:30-08:30)|D;B;A;"}));
    EXPECT_EQ(summary.mergedLines, 4u);
    EXPECT_EQ(summary.lines, 4u);
    EXPECT_THAT(tableRows(out_, "SELECT lineid FROM \"no\""), ElementsAre("22"));
    EXPECT_THAT(tableRows(out_, "SELECT Passlnna FROM nstinfo WHERE stna = 'B'"),
                ElementsAre("22路上行;22路下行;22路支线上行;22路支线下行;"));

    // With direction_id the same: the feed's directions, the same stations.
    FeedBuilder fed = lineOfStops();
    fed.route("a", "22").route("b", "22");
    fed.trip("a1", "a", "0", {"A", "B", "C"}, "05:00:00")
        .trip("b1", "b", "1", {"A", "B", "C"}, "09:00:00");
    summary = import(fed);
    EXPECT_EQ(lines(), (std::vector<std::string>{"22路上行|(05:00-09:00)|A;B;C;"}));
    EXPECT_EQ(summary.mergedLines, 1u);
}

TEST_F(GtfsNetworkRulesTest, NumberedRoutesAreNamedByTheirMode) {
    struct Case {
        const char* shortName;
        const char* type;
        const char* name;
        const char* listed;
    };
    const Case cases[] = {
        {"1", "3", "1路", "1"},
        {"1", "11", "无轨电车1路", "无轨电车1路"},
        {"1", "1", "地铁1号线", "地铁1号线"},
        {"2", "0", "有轨电车2路", "有轨电车2路"},
        {"3", "2", "铁路3号线", "铁路3号线"},
        {"4", "4", "轮渡4路", "轮渡4路"},
        {"5", "7", "索道5号线", "索道5号线"},
        {"6", "109", "铁路6号线", "铁路6号线"},
        {"7", "800", "无轨电车7路", "无轨电车7路"},
        {"8", "1300", "索道8号线", "索道8号线"},
        {"9", "401", "地铁9号线", "地铁9号线"},
        {"10", "715", "10路", "10"},
        {"11", "", "11路", "11"},
        {"12", "12", "单轨12号线", "单轨12号线"},
        {"空港線", "1", "空港線", "空港線"},
        // A name two modes share: the mode word tells them apart; the bus keeps the name.
        {"Kalnas", "3", "Kalnas", "Kalnas"},
        {"Kalnas", "0", "有轨电车Kalnas", "有轨电车Kalnas"},
    };
    FeedBuilder feed = lineOfStops();
    int n = 0;
    for (const Case& c : cases) {
        const std::string id = "r" + std::to_string(++n);
        feed.route(id, c.shortName, c.type).trip("t" + id, id, "", {"A", "B"});
    }
    import(feed);
    std::vector<std::string> names = tableRows(out_, "SELECT lnna FROM nlninfo");
    std::vector<std::string> listed = tableRows(out_, "SELECT lineid FROM \"no\"");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.shortName) + " type " + c.type);
        EXPECT_EQ(std::count(names.begin(), names.end(), c.name), 1);
        EXPECT_EQ(std::count(listed.begin(), listed.end(), c.listed), 1);
    }
    // The line box's category word finds the city's metro lines.
    EXPECT_THAT(tableRows(out_, "SELECT lnna FROM nlninfo WHERE lnna LIKE '地铁%' ORDER BY lnid"),
                ElementsAre("地铁1号线", "地铁9号线"));
}

TEST_F(GtfsNetworkRulesTest, ARouteTypeThatIsNoNumberIsABusAndCounted) {
    FeedBuilder feed = lineOfStops();
    feed.route("r", "5", "tram").trip("t", "r", "", {"A", "B"});
    ImportSummary summary = import(feed);
    EXPECT_THAT(tableRows(out_, "SELECT lnna FROM nlninfo"), ElementsAre("5路"));
    ASSERT_EQ(summary.adjusted.size(), 1u);
    EXPECT_EQ(summary.adjusted[0].reason, "route_type 无效，按公交处理");
}

TEST_F(GtfsNetworkRulesTest, StopsOfOneNameAreOneStationOnlyWhereTheyLieClose) {
    FeedBuilder feed;
    feed.stop("n1", "Near", 0, 0)
        .stop("n2", "Near", 50, 0)  // 50 m: one station, placed between its stops
        .stop("c1", "Chain", 0, 3000)
        .stop("c2", "Chain", 800, 3000)
        .stop("c3", "Chain", 1600, 3000)  // each within 1 km of the middle: one station
        // Along 2 km of street: 2000 would lie 1120 m from the mean of all five.
        .stop("l1", "Long", 0, 6000)
        .stop("l2", "Long", 400, 6000)
        .stop("l3", "Long", 800, 6000)
        .stop("l4", "Long", 1200, 6000)
        .stop("l5", "Long", 2000, 6000)
        .unplacedStop("u1", "Unplaced")
        .unplacedStop("u2", "Unplaced")
        .route("r1", "1")
        .route("r2", "2");
    feed.trip("a", "r1", "", {"n1", "c1", "l1", "l2", "l3", "u1"})
        .trip("b", "r2", "", {"n2", "c2", "c3", "l4", "l5", "u2"});
    ImportSummary summary = import(feed);

    EXPECT_THAT(tableRows(out_, "SELECT stna FROM nstinfo ORDER BY rowid"),
                ElementsAre("Near", "Chain", "Long（1路）", "Unplaced", "Long（2路）"));
    EXPECT_EQ(summary.positions, 4u);
    // Positions are the mean of the stops; a station without any has none.
    std::vector<std::string> north;
    for (const std::string& row : tableRows(out_, "SELECT stna, lat FROM nstpos")) {
        const double lat = std::stod(row.substr(row.find('|') + 1));
        north.push_back(row.substr(0, row.find('|')) + " " +
                        std::to_string(std::lround((lat - 31.0) / kDegreesPerMetre)));
    }
    EXPECT_THAT(north, ElementsAre("Near 25", "Chain 800", "Long（1路） 400", "Long（2路） 1600"));
}

TEST_F(GtfsNetworkRulesTest, PlacesOfOneNameAreNamedByTheirLinesElseTheirSide) {
    struct Case {
        const char* what;
        FeedBuilder feed;
        std::vector<std::string> stations;  // in any order
        std::string summaryLine;
    };
    const Case cases[] = {
        {"three places served by different lines",
         FeedBuilder()
             .stop("m1", "Mid", 0, 0)
             .stop("m2", "Mid", 0, 5000)
             .stop("m3", "Mid", 0, 10000)
             .stop("P", "P", 600, 0)
             .route("r1", "1")
             .route("r2", "2")
             .route("r3", "3")
             .trip("a", "r1", "", {"m1", "P"})
             .trip("b", "r2", "", {"m2", "P"})
             .trip("c", "r3", "", {"m3", "P"}),
         {"Mid（1路）", "Mid（2路）", "Mid（3路）", "P"},
         "  同名异地：Mid → Mid（1路）、Mid（2路）、Mid（3路）\n"},
        {"numbers share their word; at most three lines, those only there first",
         FeedBuilder()
             .stop("x1", "86 St", 0, 0)
             .stop("x2", "86 St", 0, 5000)
             .stop("P", "P", 600, 0)
             .route("r1", "1", "1")
             .route("r2", "2", "1")
             .route("rA", "A", "1")
             .route("rB", "B", "1")
             .route("rC", "C", "1")
             .route("rD", "D", "1")
             .trip("a", "r1", "", {"x1", "P"})
             .trip("b", "r2", "", {"x1", "P"})
             .trip("c", "rA", "", {"x2", "P"})
             .trip("d", "rB", "", {"x2", "P"})
             .trip("e", "rC", "", {"x2", "P"})
             .trip("f", "rD", "", {"x2", "x1"}),
         {"86 St（1/2号线）", "86 St（A/B/C）", "P"},
         "  同名异地：86 St → 86 St（A/B/C）、86 St（1/2号线）\n"},
        {"two places with the same lines, on either side of town",
         FeedBuilder()
             .stop("w", "Pair", 0, 0)
             .stop("X", "往来桥", 0, 2500)  // the feed's own name stays as it is
             .stop("e", "Pair", 0, 5000)
             .route("r5", "5")
             .trip("a", "r5", "", {"w", "X", "e"}),
         {"Pair（西）", "往来桥", "Pair（东）"},
         "  同名异地：Pair → Pair（西）、Pair（东）\n"},
        {"a chain of stops along 2 km of street, split in two",
         FeedBuilder()
             .stop("l1", "Long", 0, 0)
             .stop("l2", "Long", 400, 0)
             .stop("l3", "Long", 800, 0)
             .stop("l4", "Long", 1200, 0)
             .stop("l5", "Long", 2000, 0)
             .stop("P", "P", 3000, 0)
             .route("r1", "1")
             .trip("a", "r1", "", {"l1", "l2", "l3", "l4", "l5", "P"}),
         {"Long（南）", "Long（北）", "P"},
         "  同名异地：Long → Long（南）、Long（北）\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImportSummary summary = import(c.feed);
        EXPECT_THAT(tableRows(out_, "SELECT stna FROM nstinfo"),
                    UnorderedElementsAreArray(c.stations));
        EXPECT_THAT(summary.text(), HasSubstr(c.summaryLine));
        EXPECT_EQ(summary.namesApart.size(), 1u);
    }
}

TEST_F(GtfsNetworkRulesTest, RoutesOfOneShortNameAreToldApartWithoutABareNumber) {
    struct Case {
        const char* what;
        FeedBuilder feed;
        std::vector<std::string> lines;
        std::vector<std::string> numbered;
    };
    const Case cases[] = {
        {"three routes with different long names",
         lineOfStops()
             .route("s1", "S", "1", "42 St Shuttle")
             .route("s2", "S", "1", "Franklin Av Shuttle")
             .route("s3", "S", "1", "Rockaway Park Shuttle")
             .trip("a", "s1", "", {"A", "B"})
             .trip("b", "s2", "", {"C", "D"})
             .trip("c", "s3", "", {"E", "F", "G"}),
         {"S|(06:00-06:00)|A;B;", "S（Franklin Av Shuttle）|(06:00-06:00)|C;D;",
          "S（Rockaway Park Shuttle）|(06:00-06:00)|E;F;G;"},
         {}},
        {"a variant via another stop is a branch, whatever its long name",
         lineOfStops()
             .route("v1", "22", "3", "A-D")
             .route("v2", "22", "3", "A-D (morning)")
             .trip("a", "v1", "", {"A", "B", "C", "D"})
             .trip("b", "v2", "", {"A", "B", "E", "D"}, "05:10:00"),
         {"22路|(06:00-06:00)|A;B;C;D;", "22路支线|(05:10-05:10)|A;B;E;D;"},
         {}},
        {"nothing tells them apart: a number, and the summary says so",
         lineOfStops()
             .route("n1", "9")
             .route("n2", "9")
             .trip("a", "n1", "", {"A", "B"})
             .trip("b", "n2", "", {"E", "F"}),
         {"9路|(06:00-06:00)|A;B;", "9路(2)|(06:00-06:00)|E;F;"},
         {"9路(2)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImportSummary summary = import(c.feed);
        EXPECT_EQ(lines(), c.lines);
        EXPECT_EQ(summary.numberedLines, c.numbered);
        EXPECT_EQ(summary.text().find("加编号的线路") != std::string::npos, !c.numbered.empty());
    }
}

TEST_F(GtfsNetworkRulesTest, DataDateIsWhereTheTimetableStarts) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        std::string date;  // "" for the day of the import
        std::string firstDay;
        std::string lastDay;
    };
    const std::string calendarHeader =
        "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,"
        "end_date\n";
    const Case cases[] = {
        {"feed_info first",
         {{"feed_info.txt", "feed_publisher_name,feed_start_date\nX,20190316\n"},
          {"calendar.txt", calendarHeader + "WK,1,1,1,1,1,1,1,20150901,20160901\n"}},
         "2019.3.16",
         "2015.9.1",
         "2016.9.1"},
        {"a small service and a holiday added years before do not count",
         {{"calendar.txt", calendarHeader + "OLD,1,1,1,1,1,1,1,20150606,20191231\n"
                                            "WK,1,1,1,1,1,0,0,20190304,20191231\n"},
          {"calendar_dates.txt", "service_id,date,exception_type\nWK,20120101,1\n"}},
         "2019.3.4",
         "2012.1.1",
         "2019.12.31"},
        {"a timetable starting on a weekend starts on its first busy day",
         {{"calendar.txt", calendarHeader + "WK,1,1,1,1,1,0,0,20260103,20261231\n"
                                            "OLD,0,0,0,0,0,1,1,20260103,20261231\n"}},
         "2026.1.5",
         "2026.1.3",
         "2026.12.31"},
        {"calendar_dates.txt alone; removed days and dates that are none do not run",
         {{"calendar_dates.txt",
           "service_id,date,exception_type\nWK,20240105,1\nWK,20231224,1\nWK,20231399,1\n"
           "WK,20231220,1\nWK,20231220,2\n"}},
         "2023.12.24",
         "2023.12.24",
         "2024.1.5"},
        {"else the day of the import", {}, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FeedBuilder feed = lineOfStops();
        // Four trips on the weekdays' service, one on the other.
        feed.route("r", "1").trip("o", "r", "", {"A", "B"}, "05:00:00", "OLD");
        for (int k = 0; k < 4; ++k) {
            feed.trip("t" + std::to_string(k), "r", "", {"A", "B"}, "06:00:00");
        }
        for (const auto& [name, content] : c.files) feed.file(name, content);
        ImportSummary summary = import(feed);
        if (c.date.empty()) {
            EXPECT_THAT(summary.date, ::testing::MatchesRegex("20[0-9][0-9]\\.[0-9]+\\.[0-9]+"));
            EXPECT_GE(std::stoi(summary.date.substr(0, 4)), 2025);
        } else {
            EXPECT_EQ(summary.date, c.date);
        }
        EXPECT_EQ(summary.firstServiceDay + " " + summary.lastServiceDay,
                  c.firstDay + " " + c.lastDay);
        EXPECT_THAT(tableRows(out_, "SELECT date FROM dbdate"), ElementsAre(summary.date));
    }
}

TEST_F(GtfsNetworkRulesTest, ALastDepartureAfterMidnightReadsNextDay) {
    struct Case {
        std::vector<std::string> starts;
        const char* fltime;
    };
    const Case cases[] = {
        {{"03:46:00", "27:36:00", "12:00:00"}, "(03:46-次日03:36)"},
        {{"23:30:00", "24:10:00"}, "(23:30-次日00:10)"},
        {{"24:50:00", "25:20:00"}, "(00:50-01:20)"},  // the whole service after midnight
        {{"05:00:00", "23:59:00"}, "(05:00-23:59)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fltime);
        FeedBuilder feed = lineOfStops();
        feed.route("r", "1");
        int n = 0;
        for (const std::string& start : c.starts) {
            feed.trip("t" + std::to_string(++n), "r", "", {"A", "B"}, start);
        }
        import(feed);
        EXPECT_THAT(tableRows(out_, "SELECT fltime FROM nlninfo"), ElementsAre(c.fltime));
    }
}

TEST_F(GtfsNetworkRulesTest, WalksJoinNearStationsAndStatedTransfers) {
    FeedBuilder feed;
    feed.stop("A", "A", 0, 0)
        .stop("B", "B", 300, 0)  // 300 m from A: a walk of 390 m
        .stop("C", "C", 800, 0)  // 500 m from B: none
        .stop("D", "D", 5000, 0)
        .stop("E", "E", 5450, 0)
        .stop("F", "F", 9000, 0)
        .stop("G1", "G", 9000, 100)
        .stop("G2", "G", 9000, 120)  // G stands 110 m east of F: 143 m
        .stop("U", "Unserved", 20000, 0)
        .route("r", "1")
        .trip("t", "r", "", {"A", "B", "C", "D", "E", "F", "G1"})
        .file("transfers.txt",
              "from_stop_id,to_stop_id,transfer_type,min_transfer_time\n"
              "A,D,2,300\n"    // 300 s: 360 m, both ways
              "B,A,2,100\n"    // stated for B to A; wins over the distance both ways
              "D,E,0,\n"       // no time: 450 m apart, 585 m
              "C,F,3,\n"       // no transfer possible: no walk
              "G1,G2,1,60\n"   // within one station: no walk
              "F,U,2,60\n"     // to a station no line serves: skipped
              "F,NOPE,2,60\n"  // to no stop at all: skipped
              "E,F,x,60\n");   // no transfer type: skipped
    ImportSummary summary = import(feed);
    EXPECT_THAT(tableRows(out_, "SELECT stna, tostna, metres FROM nstwalk ORDER BY rowid"),
                ElementsAre("A|B|120", "A|D|360", "B|A|120", "D|A|360", "D|E|585", "E|D|585",
                            "F|G|143", "G|F|143"));
    EXPECT_EQ(summary.walks, 8u);
    std::vector<std::string> issues;
    for (const RowIssue& issue : summary.skipped) {
        issues.push_back(issue.file + "：" + issue.reason + "×" + std::to_string(issue.count));
    }
    EXPECT_THAT(issues, UnorderedElementsAre("transfers.txt：transfer_type 无效×1",
                                             "transfers.txt：stop_id 不存在（或该站点已跳过）×1",
                                             "transfers.txt：换乘的站点没有线路经过×1",
                                             "stops.txt：没有线路经过的站点，未导入×1"));

    // Without positions a transfer with a time still walks; one without cannot be measured.
    FeedBuilder unplaced;
    unplaced.unplacedStop("A", "A")
        .unplacedStop("B", "B")
        .unplacedStop("C", "C")
        .route("r", "1")
        .trip("t", "r", "", {"A", "B", "C"})
        .file("transfers.txt",
              "from_stop_id,to_stop_id,transfer_type,min_transfer_time\nA,C,0,50\nA,B,0,\n");
    summary = import(unplaced);
    EXPECT_THAT(tableRows(out_, "SELECT stna, tostna, metres FROM nstwalk ORDER BY rowid"),
                ElementsAre("A|C|60", "C|A|60"));
    EXPECT_THAT(tableRows(out_, "SELECT * FROM nstpos"), IsEmpty());
    ASSERT_EQ(summary.skipped.size(), 1u);
    EXPECT_EQ(summary.skipped[0].reason,
              "没有 min_transfer_time，站点也没有坐标，无法得出步行距离");
}

TEST_F(GtfsNetworkRulesTest, AStationWalksOnlyToItsNearestNeighbours) {
    struct Case {
        const char* what;
        int stations;
        double spacing;  // metres northwards between neighbours
        std::vector<std::string> walksOfS5;
        std::uint64_t walks;
        std::uint64_t dropped;
    };
    const Case cases[] = {
        {"a row of twelve, 10 m apart: four each side",
         12,
         10,
         {"S5|S4|13", "S5|S6|13", "S5|S3|26", "S5|S7|26", "S5|S2|39", "S5|S8|39", "S5|S1|52",
          "S5|S9|52"},
         12 * 8,
         12 * 11 - 12 * 8},
        {"two thousand at one point: eight each, the rest counted",
         2000,
         0,
         {},
         2000 * 8,
         2000ull * 1999 - 2000 * 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FeedBuilder feed;
        std::vector<std::string> ids;
        for (int k = 0; k < c.stations; ++k) {
            ids.push_back("S" + std::to_string(k));
            feed.stop(ids.back(), ids.back(), c.spacing * k, 0);
        }
        feed.route("r", "1").trip("t", "r", "", ids);
        const ImportSummary summary = import(feed);
        EXPECT_EQ(summary.walks, c.walks);
        if (!c.walksOfS5.empty()) {
            EXPECT_THAT(tableRows(out_,
                                  "SELECT stna, tostna, metres FROM nstwalk "
                                  "WHERE stna = 'S5' ORDER BY metres, rowid"),
                        UnorderedElementsAreArray(c.walksOfS5));
        }
        std::uint64_t dropped = 0;
        for (const RowIssue& issue : summary.skipped) {
            if (issue.reason.starts_with("步行可达的站点多于 8 个")) dropped = issue.count;
        }
        EXPECT_EQ(dropped, c.dropped);
    }
}

TEST_F(GtfsNetworkRulesTest, ATransfersFileWithoutItsStopColumnsStopsTheImport) {
    FeedBuilder feed = lineOfStops();
    feed.route("r", "1").trip("t", "r", "", {"A", "B"});
    feed.file("transfers.txt", "from_stop_id,transfer_type\nA,0\n");
    EXPECT_THROW(import(feed), Error);
    EXPECT_FALSE(std::filesystem::exists(out_));
}

}  // namespace
}  // namespace busquery
