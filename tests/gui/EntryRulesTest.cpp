#include "gui/EntryRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace busquery::gui {
namespace {

using enum EntryBox;

std::vector<EntryBox> boxes(const Emptying& emptying) {
    return {emptying.boxes.begin(), emptying.boxes.end()};
}

TEST(EntryRulesTest, ClicksAndKeyPressesEmptyTheOtherKindsInOrder) {
    struct Case {
        EntryBox box;
        std::vector<EntryBox> onClick;
        bool clickEmptiesPane;
        std::vector<EntryBox> onKey;
    };
    const Case cases[] = {
        {txtQueryLnna, {}, false, {txtQueryFrom, txtStnaFrom, txtStnaTo}},
        {txtQueryFrom, {txtQueryLnna, txtStnaFrom, txtStnaTo}, true, {}},
        {txtStnaFrom, {txtQueryLnna, txtQueryFrom}, true, {txtQueryLnna, txtQueryFrom}},
        {txtStnaTo, {txtQueryLnna, txtQueryFrom}, true, {txtQueryLnna, txtQueryFrom}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.box));
        EXPECT_EQ(boxes(emptyingOnClick(c.box)), c.onClick);
        EXPECT_EQ(emptyingOnClick(c.box).resultPane, c.clickEmptiesPane);
        EXPECT_EQ(boxes(emptyingOnKeyPress(c.box)), c.onKey);
        EXPECT_FALSE(emptyingOnKeyPress(c.box).resultPane) << "keys never empty the pane";
    }
}

TEST(EntryRulesTest, EnterRunsTheQueryExceptFromAnEmptyOriginOrTheStationBox) {
    struct Case {
        EntryBox box;
        const char* text;
        int key;
        bool runs;
    };
    const Case cases[] = {
        {txtQueryLnna, "12", kEnterKey, true},
        {txtQueryLnna, "", kEnterKey, true},
        {txtStnaTo, "", kEnterKey, true},
        {txtStnaFrom, "东桥", kEnterKey, true},
        {txtStnaFrom, "", kEnterKey, false},
        {txtQueryFrom, "东桥", kEnterKey, false},
        {txtQueryLnna, "12", 'a', false},
        {txtStnaTo, "西山", 10, false},  // a line feed is not Enter
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keyPressRunsQuery(c.box, c.text, c.key), c.runs)
            << static_cast<int>(c.box) << " '" << c.text << "' " << c.key;
    }
}

}  // namespace
}  // namespace busquery::gui
