#include "network/TextArena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace busquery {
namespace {

// Every view must still read its text after many more are stored: across full blocks, for texts
// longer than a block's share, and for texts with a NUL inside.
TEST(TextArenaTest, ViewsKeepTheirTextsWhileMoreAreStored) {
    struct Case {
        const char* name;
        std::vector<std::string> texts;
    };
    std::vector<std::string> many;
    for (int i = 0; i < 20000; ++i) many.push_back("东桥站" + std::to_string(i));
    const Case cases[] = {
        {"empty texts", {"", "a", ""}},
        {"a NUL inside", {std::string("a\0b", 3), "c"}},
        {"more than a block", many},
        {"long between short", {"x", std::string(40000, 'l'), "y", std::string(70000, 'm'), "z"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextArena arena;
        std::vector<std::string_view> views;
        for (const std::string& text : c.texts) views.push_back(arena.store(text));
        ASSERT_EQ(views.size(), c.texts.size());
        for (std::size_t i = 0; i < views.size(); ++i) EXPECT_EQ(views[i], c.texts[i]) << i;
    }
}

}  // namespace
}  // namespace busquery
