#include <gtest/gtest.h>

#include "query/LineDepartures.h"
#include "query/ServiceHoursText.h"

namespace busquery {
namespace {

TEST(LineDeparturesTest, RunsOfEqualGapsReadAsOneHeadway) {
    struct Case {
        std::vector<ServiceMinute> departures;
        const char* chinese;
        const char* english;
    };
    const Case cases[] = {
        {{}, "", ""},
        {{365}, "06:05", "06:05"},
        {{365, 380, 390, 400, 410},
         "06:05 06:20 … 每10分钟 … 06:50",
         "06:05 06:20 … every 10 min … 06:50"},
        {{365, 380, 390, 400}, "06:05 06:20 06:30 06:40", "06:05 06:20 06:30 06:40"},
        {{360, 370, 380, 390, 420, 1430, 1450},
         "06:00 … 每10分钟 … 06:30 07:00 23:50 24:10",
         "06:00 … every 10 min … 06:30 07:00 23:50 24:10"},
        {{360, 360, 360, 360}, "06:00 06:00 06:00 06:00", "06:00 06:00 06:00 06:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(departuresText(c.departures), c.chinese);
        EXPECT_EQ(departuresText(c.departures, Language::English), c.english);
    }
}

TEST(LineDeparturesTest, ANextDayInStoredServiceHoursReadsAsTheTimedAnswersWriteIt) {
    struct Case {
        const char* stored;
        const char* english;
    };
    const Case cases[] = {
        {"(05:30-21:50)", "(05:30-21:50)"},
        {"(05:30-次日00:40)", "(05:30-00:40 next day)"},
        {"(05:30-次日0:40)", "(05:30-0:40 next day)"},
        {"(06:00-08:00,17:00-次日01:10)", "(06:00-08:00,17:00-01:10 next day)"},
        {"(05:30-次日)", "(05:30-next day)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownServiceHours(c.stored, Language::English), c.english) << c.stored;
        EXPECT_EQ(shownServiceHours(c.stored, Language::Chinese), c.stored);
    }
}

}  // namespace
}  // namespace busquery
