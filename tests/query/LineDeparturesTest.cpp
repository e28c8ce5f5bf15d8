#include <gtest/gtest.h>

#include "query/LineDepartures.h"

namespace busquery {
namespace {

TEST(LineDeparturesTest, RunsOfEqualGapsReadAsOneHeadway) {
    struct Case {
        std::vector<ServiceMinute> departures;
        const char* expected;
    };
    const Case cases[] = {
        {{}, ""},
        {{365}, "06:05"},
        {{365, 380, 390, 400, 410}, "06:05 06:20 … 每10分钟 … 06:50"},
        {{365, 380, 390, 400}, "06:05 06:20 06:30 06:40"},
        {{360, 370, 380, 390, 420, 1430, 1450}, "06:00 … 每10分钟 … 06:30 07:00 23:50 24:10"},
        {{360, 360, 360, 360}, "06:00 06:00 06:00 06:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(departuresText(c.departures), c.expected);
}

}  // namespace
}  // namespace busquery
