#include <gtest/gtest.h>

#include <string>

#include "route/ServiceHours.h"

namespace busquery {
namespace {

// Each fltime with the minutes asked and whether the line runs then; "-" where the text gives
// no hours (the line is then kept whatever the time).
struct Case {
    const char* fltime;
    const char* expected;  // per minute asked: 0:00 5:00 6:59 7:00 12:00 21:40 21:41 23:30
};

constexpr std::uint32_t kAsked[] = {0, 300, 419, 420, 720, 1300, 1301, 1410};

TEST(ServiceHoursTest, CoversTheTimesItsTextGives) {
    const Case cases[] = {
        {"(07:00-21:40)", "00011100"},
        {"(7:00-21:40)", "00011100"},
        {"(22:00-次日05:00)", "11000001"},
        {"(22:00-05:00)", "11000001"},
        {"(07:00-次日21:40)", "11111111"},  // marked the next day: runs past midnight
        {"(00:00-24:00)", "11111111"},
        {"(23:30-25:10)", "10000001"},
        {"", "-"},
        {"(首班07:00)", "-"},
        {"(7:0-21:40)", "-"},
        {"(07:60-21:40)", "-"},
    };
    for (const auto& c : cases) {
        const auto hours = readServiceHours(c.fltime);
        std::string covered;
        if (!hours) {
            covered = "-";
        } else {
            for (const auto minute : kAsked) covered += hours->covers(minute) ? '1' : '0';
        }
        EXPECT_EQ(covered, c.expected) << c.fltime;
    }
}

}  // namespace
}  // namespace busquery
