#include <gtest/gtest.h>

#include "network/BusData.h"
#include "reference/ReferenceStationSearch.h"
#include "search/PinyinText.h"
#include "search/SuggestionSearch.h"
#include "support/PinyinTexts.h"
#include "support/SampleFixture.h"
#include "support/StationTexts.h"

namespace busquery {
namespace {

TEST(SuggestionDifferential, IndexListsWhatTheStatementListsOnTheSampleCity) {
    BusData data(test::sampleCityFile());
    data.refresh();

    // The sample city's texts fold to their ASCII lower case, so a text that is not pinyin
    // gets exactly the statement's lines. A pinyin text gets them first, then its pinyin rows.
    auto texts = test::drawStationTexts(data.index(), 1500, 20090106);
    const auto pinyin = test::drawPinyinTexts(data.index(), 300, 20090107);
    texts.insert(texts.end(), pinyin.begin(), pinyin.end());
    std::size_t found = 0;
    for (const auto& text : texts) {
        const auto expected = test::referenceSuggestions(data.database(), text);
        const auto lines = suggestStations(data.index(), text);
        std::vector<std::string> items(lines.begin(), lines.end());
        if (isPinyinText(text)) {
            ASSERT_GE(items.size(), expected.size()) << text;
            items.resize(expected.size());
        }
        ASSERT_EQ(items, expected) << text;
        found += !expected.empty();
    }
    // Most texts are pieces of real names: the comparison is not one of empty lists.
    EXPECT_GT(found, texts.size() / 2);
}

}  // namespace
}  // namespace busquery
