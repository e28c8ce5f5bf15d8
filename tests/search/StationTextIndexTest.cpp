#include "search/StationTextIndex.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "network/NetworkIndex.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

using Columns = StationTextIndex::Columns;
using Found = std::vector<std::uint32_t>;

// The texts are literals, so the rows' views stay valid.
StationInfo station(std::string_view stna, std::string_view rdna = "", std::string_view near = "") {
    return StationInfo{stna, rdna, near, "", {}};
}

std::size_t findIgnoreAsciiCase(std::string_view text, std::string_view part) {
    auto it = std::search(text.begin(), text.end(), part.begin(), part.end(),
                          [](char x, char y) { return asciiLower(x) == asciiLower(y); });
    return it == text.end() && !part.empty() ? std::string_view::npos
                                             : static_cast<std::size_t>(it - text.begin());
}

// Every station checked, in name order: the places the index must give.
Found scan(const std::vector<StationInfo>& stations, const Found& byName, std::string_view text,
           Columns columns) {
    Found found;
    for (std::uint32_t place = 0; place < byName.size(); ++place) {
        const StationInfo& s = stations[byName[place]];
        auto in = [&](std::string_view column) {
            return findIgnoreAsciiCase(column, text) != std::string_view::npos;
        };
        if (in(s.stna) || (columns == Columns::NameRoadLandmarks && (in(s.rdna) || in(s.near)))) {
            found.push_back(place);
        }
    }
    return found;
}

TEST(StationTextIndex, FindsWhatAScanOfEveryStationFinds) {
    const std::vector<StationInfo> stations{
        station("东桥", "西山大道", "南湖公园"),
        station("东桥西", "", "南湖"),
        station("Main St站", "MAIN ST"),
        station("桥", "西"),          // 桥西 spans two columns: no station of that text
        station("a\xE4\xB8桥b"),      // a broken sequence right before a character
        station("\xE4\xB8\xAD\xE5"),  // 中 followed by a cut-off sequence
        station(""),
        station("西山", "", "公园东桥"),
    };
    const Found byName{7, 0, 1, 3, 2, 4, 5, 6};  // any fixed order: the lists must keep it
    const auto index = StationTextIndex::build(stations, byName);

    const char* texts[] = {
        "桥",       "东桥",         "东桥西",     "桥西", "西山大道", "公园东",   "main st",
        "MAIN",     "n s",          "站",         "a",    "b",        "\xE4\xB8", "\xE5",
        "\xB8\xAD", "\xE4\xB8\xAD", "中",         "ab",   "",         "不存在",   "东X",
        "湖",       "a桥",          "南湖公园东", "'",    "_",        "st站",     "T站",
    };
    for (const char* text : texts) {
        for (Columns columns : {Columns::Name, Columns::NameRoadLandmarks}) {
            EXPECT_EQ(index.find(text, columns), scan(stations, byName, text, columns))
                << text << (columns == Columns::Name ? " in stna" : " in all three");
        }
    }
}

TEST(StationTextIndex, KeepsTheStationAndItsSuggestionLineByPlaceInNameOrder) {
    const std::vector<StationInfo> stations{station("东桥", "西山大道", "南湖公园"),
                                            station("东桥北", "", "南湖公园"), station("西")};
    const auto index = StationTextIndex::build(stations, {1, 2, 0});
    const std::pair<std::uint32_t, const char*> expected[] = {
        {1, "东桥北{南湖公园}"}, {2, "西"}, {0, "东桥[西山大道]{南湖公园}"}};
    for (std::uint32_t place = 0; place < 3; ++place) {
        EXPECT_EQ(index.station(place), expected[place].first);
        EXPECT_EQ(index.suggestionLine(place), expected[place].second);
    }
}

}  // namespace
}  // namespace busquery
