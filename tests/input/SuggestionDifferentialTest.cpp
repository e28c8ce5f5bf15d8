#include <gtest/gtest.h>

#include "db/BusData.h"
#include "import/SampleCity.h"
#include "input/SuggestionSearch.h"
#include "support/ReferenceStationSearch.h"
#include "support/StationTexts.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

TEST(SuggestionDifferential, IndexListsWhatTheStatementListsOnTheSampleCity) {
    test::TempDir dir;
    writeSampleCity(dir / "busdata", SampleCityOptions{});
    BusData data(dir / "busdata");
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
