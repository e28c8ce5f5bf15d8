#include <gtest/gtest.h>

#include "text/AsciiCase.h"
#include "text/NameList.h"
#include "text/Text.h"

namespace busquery {
namespace {

TEST(NameList, DropsOnlyTheEmptyPieceBehindTheLastSeparator) {
    struct Case {
        const char* list;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"甲;乙;丙;", {"甲", "乙", "丙"}},
        {"5路;5路;12路;", {"5路", "5路", "12路"}},
        {"甲;乙;丙", {"甲", "乙", "丙"}},  // a missing final ";" keeps the last name
        {"", {}},
        {";", {""}},
        {"甲;;乙;", {"甲", "", "乙"}},
    };
    for (const auto& c : cases) EXPECT_EQ(readNameList(c.list), c.names) << c.list;
}

TEST(AsciiCase, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(equalsIgnoreAsciiCase("B1路", "b1路"));
    EXPECT_FALSE(equalsIgnoreAsciiCase("Ä", "ä"));
    EXPECT_TRUE(startsWithIgnoreAsciiCase("K12路上行", "k12"));
    EXPECT_FALSE(startsWithIgnoreAsciiCase("12", "12路"));
}

TEST(Text, RemovesEveryOccurrence) {
    EXPECT_EQ(removeAll("12路路3路", "路"), "123");
    EXPECT_EQ(removeAll("路", "路"), "");
}

}  // namespace
}  // namespace busquery
