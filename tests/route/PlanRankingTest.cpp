#include "route/PlanRanking.h"

#include <gtest/gtest.h>

#include "text/DirectionWords.h"

namespace busquery {
namespace {

TEST(PlanRankingTest, TenLowestPlusTiesWithTheTenthInStoringOrder) {
    struct Case {
        std::vector<std::uint32_t> counts;
        std::vector<std::uint32_t> shown;
    };
    const Case cases[] = {
        {{}, {}},
        {{20, 9, 14}, {1, 2, 0}},
        {{7, 7, 7}, {0, 1, 2}},
        // Twelve, the tenth and eleventh share 16: eleven shown.
        {{21, 3, 8, 5, 14, 9, 9, 10, 16, 11, 12, 16}, {1, 3, 2, 5, 6, 7, 9, 10, 4, 8, 11}},
        // Twelve without a tie at the tenth: ten shown.
        {{12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}},
        // A tie that runs from the ninth to the thirteenth place keeps them all.
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9, 9, 10}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        // All equal: every plan, as stored.
        {std::vector<std::uint32_t>(15, 4), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
    };
    for (const auto& c : cases) {
        std::vector<CandidatePlan> plans;
        for (std::uint32_t count : c.counts) plans.push_back(CandidatePlan{0, 0, 0, count});
        EXPECT_EQ(rankPlans(plans), c.shown) << ::testing::PrintToString(c.counts);
    }
}

TEST(PlanRankingTest, DirectionWordsGoFirstUpThenDown) {
    const std::pair<const char*, const char*> cases[] = {
        {"11路下行", "11路"},
        {"3路上行", "3路"},
        {"环线", "环线"},
        {"上行下行", ""},
        {"上下行行", "上行"},  // no 上行 at first; removing 下行 then leaves one
        {"下上行行", ""},      // removing 上行 leaves 下行, which goes too
        {"上上行行", "上行"},  // one pass: what the removal joins stays
        {"11路上行(6站)/21路下行(2站)", "11路(6站)/21路(2站)"},
    };
    for (const auto& [line, shown] : cases) EXPECT_EQ(withoutDirectionWords(line), shown) << line;
}

}  // namespace
}  // namespace busquery
