#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gtfs/GtfsImporter.h"
#include "gtfs/GtfsTestFeed.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

using test::basicFeed;
using test::tableRows;
using test::TempDir;

constexpr const char* kCurrentHeader =
    "table_name,field_name,language,translation,record_id,record_sub_id,field_value\n";

// The stations of basicFeed are 东桥 (stop S1, platforms S1a and S1b), 西门 (S2) and 北站 (S3).
TEST(GtfsTranslations, EachStationKeepsTheEnglishNameMostOfItsStopsHave) {
    struct Case {
        const char* what;
        std::string translations;
        std::vector<std::string> rows;  // nsttrans
        std::uint64_t skipped = 0;
    };
    const Case cases[] = {
        {"by stop id; other languages, tables and fields are not names",
         std::string(kCurrentHeader) +
             "stops,stop_name,en,East Bridge,S1,,\n"
             "stops,stop_name,en,West Gate,S2,,\n"
             "stops,stop_name,ja,北駅,S3,,\n"
             "stops,stop_desc,en,Gate,S3,,\n"
             "routes,route_long_name,en,East Bridge–North Station,R12,,\n",
         {"东桥|en|East Bridge", "西门|en|West Gate"}},
        {"by the name's text, a regional English too",
         std::string(kCurrentHeader) + "stops,stop_name,en-GB,North Station,,,北站\n",
         {"北站|en|North Station"}},
        {"the older form, keyed by the text; language tags in any case",
         "trans_id,lang,translation\n东桥,en,East Bridge\n北站,EN,North  Station\n北站,ja,北駅\n",
         {"东桥|en|East Bridge", "北站|en|North Station"}},
        {"stops that disagree: the most common; \"en\" holds over \"en-US\" for one stop",
         std::string(kCurrentHeader) + "stops,stop_name,en,Dongqiao North,S1a,,\n"
                                       "stops,stop_name,en,East Bridge,S1b,,\n"
                                       "stops,stop_name,en,East Bridge,S1,,\n"
                                       "stops,stop_name,en-US,Westgate,S2,,\n"
                                       "stops,stop_name,en,West Gate,S2,,\n",
         {"东桥|en|East Bridge", "西门|en|West Gate"}},
        {"a name the same as the station's is no translation; an unknown stop is skipped",
         std::string(kCurrentHeader) + "stops,stop_name,en,北站,S3,,\nstops,stop_name,en,X,S9,,\n",
         {},
         1},
        {"columns of neither form", "id,text\n1,East Bridge\n", {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        test::GtfsTestFeed feed = basicFeed();
        feed.file("translations.txt", c.translations);
        GtfsImportOptions options;
        options.feed = feed.writeFolder(dir / "feed");
        options.out = dir / "busdata";
        const ImportSummary summary = importGtfs(options);
        EXPECT_EQ(summary.englishNames, c.rows.size());
        std::uint64_t skipped = 0;
        for (const RowIssue& issue : summary.skipped) skipped += issue.count;
        EXPECT_EQ(skipped, c.skipped);
        if (c.rows.empty()) {
            EXPECT_THAT(tableRows(options.out,
                                  "SELECT name FROM sqlite_master WHERE name = "
                                  "'nsttrans'"),
                        ::testing::IsEmpty());
            continue;
        }
        EXPECT_EQ(tableRows(options.out, "SELECT stna, lang, name FROM nsttrans ORDER BY rowid"),
                  c.rows);
        EXPECT_NE(summary.text().find("有英文名的站点 " + std::to_string(c.rows.size()) + " 个"),
                  std::string::npos);
    }
}

// basicFeed with the metro routes 空港線 (by its short name) and 箱崎線 (by its long name only).
TEST(GtfsTranslations, RouteNamesTheLinesAreNamedByKeepTheirEnglishNames) {
    struct Case {
        const char* what;
        std::string translations;
        std::vector<std::string> rows;  // nlntrans
    };
    const Case cases[] = {
        {"by route id, each field as the route's name uses it; a numbered name is not the text",
         std::string(kCurrentHeader) + "routes,route_short_name,en,Kuko Line,K,,\n"
                                       "routes,route_long_name,en,Airport Line,K,,\n"
                                       "routes,route_long_name,en,Hakozaki Line,H,,\n"
                                       "routes,route_short_name,en,Twelve,R12,,\n"
                                       "routes,route_short_name,en,Nowhere,R99,,\n",
         {"空港線|en|Kuko Line", "箱崎線|en|Hakozaki Line"}},
        {"by the name's text; the route's own translation holds over it",
         std::string(kCurrentHeader) + "routes,route_long_name,en,Hakozaki,,,箱崎線\n"
                                       "routes,route_short_name,en-GB,Kuko,,,空港線\n"
                                       "routes,route_short_name,en,Kuko Line,K,,\n",
         {"空港線|en|Kuko Line", "箱崎線|en|Hakozaki"}},
        {"the older form, keyed by the text; a name the same as the route's is none",
         "trans_id,lang,translation\n空港線,en,Kuko Line\n箱崎線,en,箱崎線\n12,en,Twelve\n",
         {"空港線|en|Kuko Line"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        test::GtfsTestFeed feed = basicFeed();
        feed.files["routes.txt"] += "K,空港線,,1\nH,,箱崎線,1\n";
        feed.files["trips.txt"] += "K,WK,TK,0\nK,WK,TK2,1\nH,WK,TH,\n";
        feed.files["stop_times.txt"] +=
            "TK,07:00:00,07:00:00,S1a,1\nTK,07:10:00,07:10:00,S3,2\n"
            "TK2,08:00:00,08:00:00,S3,1\nTK2,08:10:00,08:10:00,S1b,2\n"
            "TH,07:00:00,07:00:00,S2,1\nTH,07:10:00,07:10:00,S3,2\n";
        feed.file("translations.txt", c.translations);
        GtfsImportOptions options;
        options.feed = feed.writeFolder(dir / "feed");
        options.out = dir / "busdata";
        const ImportSummary summary = importGtfs(options);
        EXPECT_EQ(summary.englishLineNames, c.rows.size());
        EXPECT_EQ(tableRows(options.out, "SELECT lnna, lang, name FROM nlntrans ORDER BY rowid"),
                  c.rows);
        EXPECT_NE(summary.text().find("有英文名的线路 " + std::to_string(c.rows.size()) + " 条"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace busquery
