#include "search/CaseAndAccentFolding.h"

#include <gtest/gtest.h>

namespace busquery {
namespace {

TEST(CaseAndAccentFolding, FoldsCaseAndRemovesMarksInEveryScript) {
    struct Case {
        const char* text;
        const char* folded;
        bool asAscii;  // folds to its ASCII lower case
    };
    const Case cases[] = {
        {"École", "ecole", false},
        {"Žirmūnai", "zirmunai", false},
        {"E\xCC\x81"
         "cole",
         "ecole", false},  // E and a combining acute
        {"STRASSE", "strasse", true},
        {"Straße", "strasse", false},
        {"ΣΟΦΊΑ", "σοφια", false},
        {"Ｍain", "ｍain", false},  // a full-width letter keeps its width, loses its case
        {"Main St", "main st", true},
        {"it's_%", "it's_%", true},
        {"东桥", "东桥", true},
        {"东桥B区（北）", "东桥b区（北）", true},
        {"\xCC\x81", "", false},  // a mark alone
        {"", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(foldCaseAndAccents(c.text), c.folded) << c.text;
        EXPECT_EQ(foldsAsAsciiLower(c.text), c.asAscii) << c.text;
    }
}

}  // namespace
}  // namespace busquery
