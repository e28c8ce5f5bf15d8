#include "query/RouteStationName.h"

#include <gtest/gtest.h>

#include <utility>

namespace busquery {
namespace {

TEST(RouteStationNameTest, RouteBoxesStandForTheirStationName) {
    const std::pair<const char*, const char*> cases[] = {
        {"甲", "甲"},           {"甲[东大街]", "甲"},
        {"甲{公园}", "甲"},     {"甲[东大街]{公园;商场}", "甲"},
        {"甲{公园[北]}", "甲"}, {"[东大街]", ""},
        {" 甲 ", " 甲 "},  // typed text stays as typed
    };
    for (const auto& [box, name] : cases) EXPECT_EQ(routeStationName(box), name) << box;
}

}  // namespace
}  // namespace busquery
