#include "search/PinyinIndex.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "search/PinyinText.h"
#include "support/PinyinTexts.h"
#include "support/SampleFixture.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

// Reads the text letter by letter, keeping every way the letters so far can spell the
// syllables: a plain check of each name, written apart from the index's.
bool scanSpells(std::string_view text, std::span<const std::string_view> syllables) {
    struct Way {
        std::size_t syllable;
        std::string_view reading;
        std::size_t given;  // letters of the reading given so far
        bool ended;         // an apostrophe followed
    };
    auto readings = [&](std::size_t s) {
        std::vector<std::string_view> all;
        forEachReading(syllables[s], [&](std::string_view r) { all.push_back(r); });
        return all;
    };
    std::vector<Way> ways;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        std::vector<Way> next;
        if (at == 0 && !syllables.empty()) {
            for (auto r : readings(0)) {
                if (r[0] == c) next.push_back({0, r, 1, false});
            }
        }
        for (const Way& w : ways) {
            const bool doubleInitial =
                w.given == 2 && w.reading.size() > 2 && w.reading[1] == 'h' &&
                std::string_view("zcs").find(w.reading[0]) != std::string_view::npos;
            const bool whole = w.given == 1 || w.given == w.reading.size() || doubleInitial;
            if (c == '\'') {
                if (whole && !w.ended) next.push_back({w.syllable, w.reading, w.given, true});
                continue;
            }
            if (!w.ended && w.given < w.reading.size() && w.reading[w.given] == c) {
                next.push_back({w.syllable, w.reading, w.given + 1, false});
            }
            if (whole && w.syllable + 1 < syllables.size()) {
                for (auto r : readings(w.syllable + 1)) {
                    if (r[0] == c) next.push_back({w.syllable + 1, r, 1, false});
                }
            }
        }
        ways = std::move(next);
        if (ways.empty()) return false;
    }
    return !ways.empty();
}

TEST(PinyinIndexDifferential, FindsWhatAScanOfEveryNameFindsOnTheSampleCity) {
    BusData data(test::sampleCityFile());
    data.refresh();
    const NetworkIndex& network = data.index();
    const PinyinIndex& index = network.derived<PinyinIndex>();

    const auto texts = test::drawPinyinTexts(network, 2000, 20240601);
    std::size_t found = 0;
    for (const auto& text : texts) {
        ASSERT_TRUE(isPinyinText(text)) << text;
        std::vector<std::uint32_t> expected;
        const std::string lowered = asciiLower(text);
        for (std::uint32_t place = 0; place < network.stations().size(); ++place) {
            if (scanSpells(lowered, index.syllables(place))) expected.push_back(place);
        }
        ASSERT_EQ(index.find(text), expected) << text;
        found += !expected.empty();
    }
    // Most texts spell the name they were drawn from: the comparison is not one of empty lists.
    EXPECT_GT(found, texts.size() * 3 / 4);
}

}  // namespace
}  // namespace busquery
