#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gtfs/GtfsImporter.h"
#include "gtfs/GtfsTestFeed.h"
#include "query/PieceRecorder.h"
#include "query/QuerySession.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

using test::TempDir;

// basicFeed and a metro line 南湖 – 北站 – 机场; translations.txt names four of the five stations
// in English, 南湖 and 机场 alike but for case.
test::GtfsTestFeed feedWithEnglishNames(bool translations) {
    test::GtfsTestFeed feed = test::basicFeed();
    feed.files["stops.txt"] += "S4,南湖,,,0\nS5,机场,,,0\n";
    feed.files["routes.txt"] += "M1,,地铁1号线,1\n";
    feed.files["trips.txt"] += "M1,WK,T4,\n";
    feed.files["stop_times.txt"] +=
        "T4,07:00:00,07:00:00,S4,1\nT4,07:10:00,07:10:00,S3,2\nT4,07:30:00,07:30:00,S5,3\n";
    if (translations) {
        feed.file("translations.txt",
                  "table_name,field_name,language,translation,record_id,field_value\n"
                  "stops,stop_name,en,East Bridge,S1,\n"
                  "stops,stop_name,en,North Station,,北站\n"
                  "stops,stop_name,en,South Lake,S4,\n"
                  "stops,stop_name,en,south lake,S5,\n");
    }
    return feed;
}

class ImportedEnglishNamesTest : public ::testing::Test {
  protected:
    std::string answer(const std::filesystem::path& file, Language language,
                       const QueryInput& input) {
        QuerySession session(file);
        Query query = session.query();
        query.setLanguage(language);
        PieceRecorder pane;
        query.run(input, pane);
        return pane.text();
    }

    std::filesystem::path import(bool translations) {
        return import(feedWithEnglishNames(translations), translations ? "with" : "without");
    }

    std::filesystem::path import(const test::GtfsTestFeed& feed, const std::string& name) {
        const auto out = dir_ / name;
        GtfsImportOptions options;
        options.feed = feed.writeFolder(out.string() + "-feed");
        options.out = out;
        importGtfs(options);
        return out;
    }

    TempDir dir_;
};

TEST_F(ImportedEnglishNamesTest, TheEnglishInterfaceFindsAndShowsTheStationsByTheirEnglishNames) {
    const auto with = import(true);
    const auto without = import(false);
    struct Case {
        const std::filesystem::path& file;
        Language language;
        QueryInput input;
        std::string text;
    };
    const Case cases[] = {
        // Found by the English name, any case and accents, after the rows of the stored names.
        {with,
         Language::English,
         {{}, "north STATION", {}, {}, {}},
         "North Station:Bus 12 towards North Station, Bus 12 towards East Bridge, Metro 1"},
        {with,
         Language::English,
         {{}, "Éast", {}, {}, {}},
         "East Bridge:Bus 12 towards North Station, Bus 12 towards East Bridge"},
        {with,
         Language::English,
         {{}, {}, "east bridge", "North Station", {}},
         "Bus 12 stops at: East Bridge;西门 (Ximen);North Station; (2 stops)\r\n\r\n"},
        // A picked English suggestion line, in the station box and in a route box.
        {with,
         Language::English,
         {{}, "East Bridge[西山大道]{东桥公交站}", {}, {}, "East Bridge[西山大道]{东桥公交站}"},
         "East Bridge:Bus 12 towards North Station, Bus 12 towards East Bridge"},
        {with,
         Language::English,
         {{}, {}, "East Bridge[西山大道]{东桥公交站}", "北站", {}},
         "Bus 12 stops at: East Bridge;西门 (Ximen);North Station; (2 stops)\r\n\r\n"},
        // Stations that share an English name add their own.
        {with,
         Language::English,
         {{}, {}, "South Lake (南湖)", "east bridge", {}},
         "Plan 1 (about 3 stops): from South Lake (南湖), take Metro 1 (1 stop) to North "
         "Station, change to Bus 12 (2 stops) to East Bridge\r\n"},
        {with,
         Language::English,
         {"地铁", {}, {}, {}, {}},
         "Metro 1 (07:00-07:00)\r\nStops: South Lake (南湖);North Station;south lake (机场);"
         "\r\n\r\n"},
        // The Chinese interface reads the same file as before; a file without names answers in
        // English as before.
        {with, Language::Chinese, {{}, "north station", {}, {}, {}}, ""},
        {with,
         Language::Chinese,
         {{}, {}, "东桥", "北站", {}},
         "12路经过站点：东桥;西门;北站;(共2站)\r\n\r\n"},
        {without,
         Language::English,
         {{}, {}, "东桥", "北站", {}},
         "Bus 12 stops at: 东桥 (Dongqiao);西门 (Ximen);北站 (Beizhan); (2 stops)\r\n\r\n"},
        {without, Language::English, {{}, {}, "East Bridge", "北站", {}}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(answer(c.file, c.language, c.input), c.text);
    }
}

TEST_F(ImportedEnglishNamesTest, EnglishSuggestionsListTheEnglishNames) {
    const auto with = import(true);
    struct Case {
        Language language;
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        // In name order, as every suggestion list (机场 before 南湖).
        {Language::English, "lake", {"south lake (机场)", "South Lake (南湖)"}},
        {Language::English, "北", {"North Station"}},
        {Language::Chinese, "lake", {}},
        {Language::Chinese, "北", {"北站"}},
    };
    QuerySession session(with);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Query query = session.query();
        query.setLanguage(c.language);
        const Suggestions found = query.suggest(c.text);
        EXPECT_EQ(std::vector<std::string>(found.lines.begin(), found.lines.end()), c.lines);
    }
}

// basicFeed and the metro 空港線 东桥 – 北站 both ways, its name given in English by the older
// form of translations.txt.
TEST_F(ImportedEnglishNamesTest, TheEnglishInterfaceShowsAndFindsTheLinesByTheirEnglishNames) {
    test::GtfsTestFeed feed = test::basicFeed();
    feed.files["routes.txt"] += "K,空港線,,1\n";
    feed.files["trips.txt"] += "K,WK,TK,0\nK,WK,TK2,1\n";
    feed.files["stop_times.txt"] +=
        "TK,07:00:00,07:00:00,S1a,1\nTK,07:10:00,07:10:00,S3,2\n"
        "TK2,08:00:00,08:00:00,S3,1\nTK2,08:10:00,08:10:00,S1b,2\n";
    feed.file("translations.txt", "trans_id,lang,translation\n空港線,en,Kuko Line\n");
    const auto file = import(feed, "lines");
    struct Case {
        Language language;
        QueryInput input;
        std::string text;
    };
    const Case cases[] = {
        // Found by the English name's beginning, any case, after the lines of the stored names.
        {Language::English,
         {"KUKO", {}, {}, {}, {}},
         "Kuko Line towards 北站 (Beizhan) (07:00-07:00)\r\nStops: 东桥 (Dongqiao);北站 "
         "(Beizhan);\r\n\r\nKuko Line towards 东桥 (Dongqiao) (08:00-08:00)\r\nStops: 北站 "
         "(Beizhan);东桥 (Dongqiao);\r\n\r\n"},
        {Language::English,
         {{}, {}, "东桥", "北站", {}},
         "Bus 12 stops at: 东桥 (Dongqiao);西门 (Ximen);北站 (Beizhan); (2 stops)\r\n\r\nKuko "
         "Line stops at: 东桥 (Dongqiao);北站 (Beizhan); (1 stop)\r\n\r\n"},
        {Language::English,
         {{}, "北站", {}, {}, {}},
         "北站 (Beizhan):Bus 12 towards 北站 (Beizhan), Bus 12 towards 东桥 (Dongqiao), Kuko Line "
         "towards 北站 (Beizhan), Kuko Line towards 东桥 (Dongqiao)"},
        // The Chinese interface as before.
        {Language::Chinese, {"kuko", {}, {}, {}, {}}, ""},
        {Language::Chinese,
         {"空港", {}, {}, {}, {}},
         "空港線上行(07:00-07:00)\r\n途径站点：东桥;北站;\r\n\r\n空港線下行(08:00-08:00)"
         "\r\n途径站点：北站;"
         "东桥;\r\n\r\n"},
        {Language::Chinese,
         {{}, {}, "东桥", "北站", {}},
         "12路经过站点：东桥;西门;北站;(共2站)\r\n\r\n空港線经过站点：东桥;北站;(共1站)\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(answer(file, c.language, c.input), c.text);
    }
}

}  // namespace
}  // namespace busquery
