#include <gtest/gtest.h>

#include "search/SuggestionLine.h"

namespace busquery {
namespace {

// A line as the list writes it reads back as its parts; what a box holds otherwise reads as the
// lookups have always read it: the name up to the first "[" or "{", a road only where a "]"
// closes it.
TEST(SuggestionLineTest, WritesAndReadsTheParts) {
    struct Case {
        SuggestionLine parts;
        std::string line;
    };
    const Case written[] = {
        {{"东桥", "", ""}, "东桥"},
        {{"东桥", "东桥路", ""}, "东桥[东桥路]"},
        {{"东桥", "", "东桥公园"}, "东桥{东桥公园}"},
        {{"东桥", "东桥路", "东桥公园"}, "东桥[东桥路]{东桥公园}"},
    };
    for (const auto& c : written) {
        EXPECT_EQ(c.parts.text(), c.line);
        EXPECT_EQ(SuggestionLine::parse(c.line), c.parts) << c.line;
    }
    const Case read[] = {
        {{"", "", ""}, ""},
        {{"东桥", "", ""}, "东桥[滨河路"},
        {{"", "滨河路", ""}, "[滨河路]"},
        {{"东桥", "", "公园"}, "东桥{公园"},
        {{"东桥", "", "a}b"}, "东桥{a}b}"},
        {{"东桥", "路", ""}, "东桥[路]x{y}"},
    };
    for (const auto& c : read) EXPECT_EQ(SuggestionLine::parse(c.line), c.parts) << c.line;
}

}  // namespace
}  // namespace busquery
