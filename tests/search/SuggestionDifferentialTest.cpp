#include <gtest/gtest.h>

#include "network/BusData.h"
#include "reference/ReferenceStationSearch.h"
#include "search/SuggestionSearch.h"
#include "support/SampleFixture.h"
#include "support/StationTexts.h"

namespace busquery {
namespace {

TEST(SuggestionDifferential, IndexListsWhatTheStatementListsOnTheSampleCity) {
    BusData data(test::sampleCityFile());
    data.refresh();

    const auto texts = test::drawStationTexts(data.index(), 1500, 20090106);
    std::size_t found = 0;
    for (const auto& text : texts) {
        const auto expected = test::referenceSuggestions(data.database(), text);
        const auto lines = suggestStations(data.index(), text);
        ASSERT_EQ(std::vector<std::string>(lines.begin(), lines.end()), expected) << text;
        found += !expected.empty();
    }
    // Most texts are pieces of real names: the comparison is not one of empty lists.
    EXPECT_GT(found, texts.size() / 2);
}

}  // namespace
}  // namespace busquery
