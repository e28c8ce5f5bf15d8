#include "cli/ImportSummaryText.h"

#include <gtest/gtest.h>

namespace busquery::cli {
namespace {

ImportSummary summary(bool everything) {
    ImportSummary s;
    s.out = "/tmp/busdata";
    s.citycode = "vilnius";
    s.date = "2015.9.1";
    s.routes = 3;
    s.lines = 6;
    s.branchLines = 1;
    s.stations = 40;
    s.trips = 120;
    s.tripsInOrder = 118;
    s.stopTimes = 2400;
    s.positions = 40;
    s.mergedLines = 2;
    s.walks = 90;
    s.timetableTrips = 120;
    s.timetableStopTimes = 2400;
    if (!everything) return s;
    s.calendarGiven = false;
    s.englishNames = 35;
    s.englishLineNames = 3;
    s.firstServiceDay = "2015.9.1";
    s.lastServiceDay = "2016.8.31";
    s.namesApart = {{"Stotis", {"Stotis（1/2）", "Stotis（东）"}}};
    s.numberedLines = {"3路(2)"};
    s.skip("trips.txt", "班次停靠的站点少于两个", 12, "trip_id", "5559");
    s.skip("trips.txt", "班次停靠的站点少于两个", 14, "trip_id", "5560");
    s.skip("calendar.txt", "缺少列，整个文件未使用", 0, "列", "monday");
    s.adjust("stops.txt", "一个译文里没有的理由", 3, "stop_id", "A");
    return s;
}

// The English summary says what the Chinese one says, line by line; written in Chinese it is
// the importer's own text, which the import prints in Chinese.
TEST(ImportSummaryTextTest, TheSummaryReadsInTheInterfaceLanguage) {
    struct Case {
        bool everything;
        const char* english;
    };
    const Case cases[] = {
        {false,
         "Imported the GTFS data into /tmp/busdata\n"
         "  lines: 6 (routes: 3; of them branches: 1), stations: 40\n"
         "  trips: 120, stop times: 2400\n"
         "  of them carried in order from the first stop to the last by a line of their route: "
         "118\n"
         "  stations with a position: 40, places of one name far apart named apart: 0, repeated "
         "lines merged: 2, walks: 90\n"
         "  timetable: trips: 120, stop times: 2400\n"
         "  city code vilnius, data date 2015.9.1\n"
         "Nothing was skipped.\n"},
        {true,
         "Imported the GTFS data into /tmp/busdata\n"
         "  lines: 6 (routes: 3; of them branches: 1), stations: 40\n"
         "  trips: 120, stop times: 2400\n"
         "  of them carried in order from the first stop to the last by a line of their route: "
         "118\n"
         "  stations with a position: 40, places of one name far apart named apart: 1, repeated "
         "lines merged: 2, walks: 90\n"
         "  stations with an English name: 35\n"
         "  route names with an English name: 3\n"
         "  timetable: trips: 120, stop times: 2400\n"
         "  the data has no calendar.txt or calendar_dates.txt: every trip runs every day\n"
         "  city code vilnius, data date 2015.9.1\n"
         "  timetable service days: first 2015.9.1, last 2016.8.31\n"
         "  one name, places far apart: Stotis → Stotis（1/2）, Stotis（东）\n"
         "  1 line of one name with nothing to tell it apart, numbered: 3路(2)\n"
         "Skipped 3 items:\n"
         "  trips.txt: trips stopping at fewer than two stops, 2 items (for example: line 12, "
         "trip_id “5559”)\n"
         "  calendar.txt: column missing, the whole file was not used, 1 item (for example: "
         "column “monday”)\n"
         "Read by a rule, 1 item:\n"
         "  stops.txt: 一个译文里没有的理由, 1 item (for example: line 3, stop_id “A”)\n"},
    };
    for (const Case& c : cases) {
        const ImportSummary s = summary(c.everything);
        EXPECT_EQ(importSummaryText(s, Language::English), c.english);
        EXPECT_EQ(writtenImportSummary(s, Language::Chinese), s.text());
        EXPECT_EQ(importSummaryText(s, Language::Chinese), s.text());
    }
}

}  // namespace
}  // namespace busquery::cli
