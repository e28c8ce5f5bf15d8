#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "reference/ReferenceStationSearch.h"
#include "search/SuggestionSearch.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

using test::TempDir;
using test::TestCity;
using Items = std::vector<std::string>;

class AddedSuggestionsTest : public ::testing::Test {
  protected:
    AddedSuggestionsTest() {
        TestCity city;
        city.station("东桥", "1路;", "西山大道", "南湖公园")
            .station("东桥电影院", "1路;")
            .station("大桥", "1路;", "", "DQ Mall")
            .station("中桥", "1路;")
            .station("重庆路", "1路;")
            .station("西安", "1路;")
            .station("先锋", "1路;")
            .station("长安街", "1路;")
            .station("乐山", "1路;")
            .station("银行", "1路;")
            .station("绿岛", "1路;")
            .station("B区", "1路;")
            .station("1号站", "1路;")
            .station("甲", "1路;", "Dongqiao Rd")
            .station("Žirmūnai", "1路;")
            .station("École", "1路;")
            .station("Ecole Z", "1路;")
            .station("ŽALGIRIS", "1路;");
        city.write(dir_ / "busdata");
        data_.refresh();
    }

    // The lines listed; those the statement lists come first, exactly as it lists them.
    Items suggest(const std::string& text) {
        const auto lines = suggestStations(data_.index(), text);
        Items items(lines.begin(), lines.end());
        const Items leading = test::referenceSuggestions(data_.database(), text);
        EXPECT_LE(leading.size(), items.size()) << text;
        EXPECT_TRUE(std::equal(leading.begin(), leading.end(), items.begin())) << text;
        return items;
    }

    TempDir dir_;
    BusData data_{dir_ / "busdata"};
};

TEST_F(AddedSuggestionsTest, PinyinRowsFollowInNameOrder) {
    const Items dongqiao{"甲[Dongqiao Rd]", "东桥[西山大道]{南湖公园}", "东桥电影院"};
    struct Case {
        const char* text;
        Items items;
    };
    const Case cases[] = {
        // Initials, full pinyin, a mix; any case. The road holds "Dongqiao": its row comes
        // first, as before, then the names the text spells.
        {"dqdy", {"东桥电影院"}},
        {"dongqiao", dongqiao},
        {"dongq", dongqiao},
        {"dongqiaod", {"东桥电影院"}},
        {"dqiao", {"大桥{DQ Mall}", "东桥[西山大道]{南湖公园}", "东桥电影院"}},
        {"DongQ", dongqiao},
        {"DQDY", {"东桥电影院"}},
        // The landmark holds "DQ": that row first, then the others the initials spell.
        {"dq", {"大桥{DQ Mall}", "东桥[西山大道]{南湖公园}", "东桥电影院"}},
        // zh as well as z; a place name the table reads: chong, not zhong.
        {"zq", {"中桥"}},
        {"zhq", {"中桥"}},
        {"chongqing", {"重庆路"}},
        {"cql", {"重庆路"}},
        {"zhongqing", {}},
        {"zql", {}},
        // An apostrophe ends a syllable.
        {"xian", {"西安", "先锋"}},
        {"xi'an", {"西安"}},
        {"xi'", {"西安"}},
        {"x'a", {"西安"}},
        // Words as the English interface writes them: a blank ends a syllable as well.
        {"Dongqiao Dianyingyuan", {"东桥电影院"}},
        {" xi  an ", {"西安"}},
        {"dq dy", {"东桥电影院"}},
        {"d q", {"大桥{DQ Mall}", "东桥[西山大道]{南湖公园}", "东桥电影院"}},
        // Readings of the table: both of 长 and 乐, hang in 银行, v for ü.
        {"changan", {"长安街"}},
        {"zhanga", {}},
        {"ls", {"乐山"}},
        {"ys", {"乐山"}},
        {"yinhang", {"银行"}},
        {"yinx", {}},
        {"lvd", {"绿岛"}},
        {"ludao", {"绿岛"}},
        // ASCII letters of a name are syllables too.
        {"bq", {"B区"}},
        // From a name's first character only; one letter, digits or signs: no pinyin rows.
        {"qiao", {"甲[Dongqiao Rd]"}},
        {"d", {"大桥{DQ Mall}", "甲[Dongqiao Rd]"}},
        {"dq1", {}},
        {"1h", {}},
        {"'dq", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(suggest(c.text), c.items) << c.text;
}

TEST_F(AddedSuggestionsTest, CaseAndAccentsIgnoredRowsFollowTheLiteralOnes) {
    struct Case {
        const char* text;
        Items items;
    };
    const Case cases[] = {
        {"žirm", {"Žirmūnai"}},
        {"zirm", {"Žirmūnai"}},
        {"ZIRMUNAI", {"Žirmūnai"}},
        {"Žirm", {"Žirmūnai"}},  // literal, as before
        {"ūna", {"Žirmūnai"}},
        {"žalgiris", {"ŽALGIRIS"}},
        {"école", {"École", "Ecole Z"}},
        {"ÉCOLE", {"École", "Ecole Z"}},
        // "Ecole Z" contains the text as it is: it comes first, out of name order.
        {"ecole", {"Ecole Z", "École"}},
        {"Ecole", {"Ecole Z", "École"}},
        {"ole", {"École", "Ecole Z"}},  // both literal: name order
        {"东桥", {"东桥[西山大道]{南湖公园}", "东桥电影院"}},
    };
    for (const auto& c : cases) EXPECT_EQ(suggest(c.text), c.items) << c.text;
}

}  // namespace
}  // namespace busquery
