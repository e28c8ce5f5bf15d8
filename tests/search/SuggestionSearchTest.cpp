#include "search/SuggestionSearch.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "network/BusData.h"
#include "reference/ReferenceStationSearch.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;
using Items = std::vector<std::string>;

class SuggestionSearchTest : public ::testing::Test {
  protected:
    SuggestionSearchTest() {
        TestCity city;
        city.station("东桥", "1路;", "西山大道", "南湖公园")
            .station("东桥", "1路;")
            .station("东桥北", "1路;", "", "南湖公园")
            .station("东桥南", "1路;", "西山", "")
            .station("甲", "1路;", "Main St")
            .station("甲", "1路;", "MAIN ST")
            .station("甲", "1路;", "Side St")
            .station("甲", "1路;", "main st")
            .station("it's站", "1路;")
            .station("a_b站", "1路;")
            .station("a%b站", "1路;")
            .station("x\\y站", "1路;")
            .station("café", "1路;")
            .station("乙", "1路;", "", "")  // its road and landmarks become Null below
            .station("丙", "1路;", "光明路", "")
            .station("", "1路;", "无名路", "");  // its name becomes Null below
        file_ = city.write(dir_ / "busdata");
        SQLite::Database db(file_.string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE nstinfo SET rdna = NULL, near = NULL WHERE stna = '乙'");
        db.exec("UPDATE nstinfo SET near = NULL WHERE stna = '丙'");
        db.exec("UPDATE nstinfo SET stna = NULL WHERE rdna = '无名路'");
        data_.refresh();
    }

    // The lines listed. The statement's lines lead, exactly; rows found when case and accents
    // are ignored, or by pinyin, may follow.
    Items suggest(const std::string& text) {
        const auto lines = suggestStations(data_.index(), text);
        Items items(lines.begin(), lines.end());
        const Items leading = test::referenceSuggestions(data_.database(), text);
        EXPECT_EQ(Items(items.begin(), items.begin() + std::min(items.size(), leading.size())),
                  leading)
            << text;
        return items;
    }

    TempDir dir_;
    std::filesystem::path file_;
    BusData data_{dir_ / "busdata"};
};

TEST_F(SuggestionSearchTest, TextsAndTheLinesTheyList) {
    struct Case {
        const char* text;
        Items items;
    };
    const Case cases[] = {
        // The four shapes, in name order; equal names keep table order.
        {"东桥", {"东桥[西山大道]{南湖公园}", "东桥", "东桥北{南湖公园}", "东桥南[西山]"}},
        // Road and landmarks are searched as well as the name.
        {"西山", {"东桥[西山大道]{南湖公园}", "东桥南[西山]"}},
        {"湖公", {"东桥[西山大道]{南湖公园}", "东桥北{南湖公园}"}},
        // A single character is enough.
        {"北", {"东桥北{南湖公园}"}},
        // Neighbours equal but for case collapse to the first; equal lines apart stay.
        {"st", {"甲[Main St]", "甲[Side St]", "甲[main st]"}},
        {"MAIN", {"甲[Main St]"}},
        // Quote, underscore, percent and backslash match only themselves.
        {"'", {"it's站"}},
        {"IT'S", {"it's站"}},
        {"_", {"a_b站"}},
        {"a_b", {"a_b站"}},
        {"%", {"a%b站"}},
        {"\\", {"x\\y站"}},
        {"\\y", {"x\\y站"}},
        // The statement ignores the case of ASCII letters only; the row that differs in the
        // case of another letter follows its rows.
        {"CAFé", {"café"}},
        {"CAFÉ", {"café"}},
        // Null road and landmarks read as empty; a Null name reads as empty too.
        {"乙", {"乙"}},
        {"光明", {"丙[光明路]"}},
        {"无名", {"[无名路]"}},
        {"不存在", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(suggest(c.text), c.items) << c.text;
}

TEST(SuggestionText, PercentIsRemovedAndABracketStopsTheSearch) {
    struct Case {
        const char* box;
        const char* cleaned;
        bool searches;
    };
    const Case cases[] = {
        {"东桥", "东桥", true},
        {"%", "", false},
        {"%%", "", false},
        {"东%桥%", "东桥", true},
        {"", "", false},
        {"东桥[西山", "东桥[西山", false},
        {"东桥[西山大道]{南湖公园}", "东桥[西山大道]{南湖公园}", false},
        {"东桥{南湖公园}", "东桥{南湖公园}", true},
        {"]", "]", true},
        {" ", " ", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cleanSuggestionText(c.box), c.cleaned) << c.box;
        EXPECT_EQ(startsSuggestionSearch(cleanSuggestionText(c.box)), c.searches) << c.box;
    }
}

}  // namespace
}  // namespace busquery
