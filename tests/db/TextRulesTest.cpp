#include <gtest/gtest.h>

#include "db/AsciiCase.h"
#include "db/ConnectionString.h"
#include "db/DatabaseError.h"
#include "db/LikePattern.h"
#include "db/NameList.h"
#include "db/Text.h"

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
    EXPECT_EQ(findIgnoreAsciiCase("新乙;ABC;", "abc;"), std::string("新乙;").size());
    EXPECT_EQ(findIgnoreAsciiCase("abc", "x"), std::string_view::npos);
}

TEST(LikePattern, EscapesWildcardsAndTheEscapeCharacter) {
    EXPECT_EQ(escapeLike("1%_\\'"), "1\\%\\_\\\\'");
    EXPECT_EQ(escapeLike("东桥"), "东桥");
}

TEST(Text, CountsCharactersAndRemovesEveryOccurrence) {
    EXPECT_EQ(countCharacters("东"), 1u);
    EXPECT_EQ(countCharacters(" "), 1u);
    EXPECT_EQ(countCharacters("东桥a"), 3u);
    EXPECT_EQ(removeAll("12路路3路", "路"), "123");
    EXPECT_EQ(removeAll("路", "路"), "");
}

TEST(ConnectionString, ItsDbqPathIsWhatIsOpened) {
    auto connection = connectionString("/opt/busquery");
    EXPECT_EQ(
        connection,
        "DRIVER={Microsoft Access Driver (*.mdb)}; dbq=/opt/busquery/busdata;pwd=青山绿水长流");
    EXPECT_EQ(dbqPath(connection), "/opt/busquery/busdata");
    EXPECT_EQ(dbqPath("DBQ = /x/y ; pwd=1"), "/x/y");
    EXPECT_THROW(dbqPath("DRIVER=x;pwd=1"), DatabaseError);
}

}  // namespace
}  // namespace busquery
