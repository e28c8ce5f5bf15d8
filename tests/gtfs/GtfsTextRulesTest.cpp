#include <gtest/gtest.h>

#include <optional>

#include "gtfs/FeedText.h"
#include "gtfs/GtfsTime.h"
#include "text/NaturalOrder.h"

namespace busquery {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(GtfsTextRulesTest, NaturalOrderComparesNumbersByValue) {
    struct Case {
        const char* a;
        const char* b;
        int order;
    };
    const Case cases[] = {
        {"2路", "10路", -1},
        {"B2", "B10", -1},
        {"10", "9", 1},
        {"12路", "12路", 0},
        {"1", "1a", -1},
        {"路1", "路01", 1},  // leading zeros
        {"007", "7", -1},
        {"2", "B", -1},
        {"99999999999999999999", "100000000000000000000", -1},
        {"夜2", "夜10", -1},
        {"地铁10号线", "地铁2号线", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(sign(naturalCompare(c.a, c.b)), c.order);
        EXPECT_EQ(sign(naturalCompare(c.b, c.a)), -c.order);
    }
}

TEST(GtfsTextRulesTest, GtfsTimesAreReadStrictlyAndShownOnTheClock) {
    struct Case {
        const char* text;
        std::optional<ServiceSeconds> seconds;
    };
    const Case cases[] = {
        {"05:30:00", 5 * 3600 + 30 * 60},
        {"5:30:09", 5 * 3600 + 30 * 60 + 9},
        {"25:10:00", 25 * 3600 + 600},
        {"00:00:00", 0},
        {"5:30", std::nullopt},
        {"05:60:00", std::nullopt},
        {"05:30:60", std::nullopt},
        {"05:3:00", std::nullopt},
        {"-5:30:00", std::nullopt},
        {"05:30:00 ", std::nullopt},
        {"", std::nullopt},
        {"aa:bb:cc", std::nullopt},
        {"48:00:00", 48 * 3600},
        {"48:00:01", std::nullopt},  // no trip runs two days: a hostile time
        {"999:59:58", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseGtfsTime(c.text), c.seconds);
        if (!c.seconds) {
            EXPECT_EQ(gtfsTimeProblem(c.text),
                      c.text[0] == '4' || c.text[0] == '9' ? kTimeBeyondTwoDays : kTimeUnreadable);
        }
    }
    EXPECT_EQ(clockText(5 * 3600 + 30 * 60 + 59), "05:30");
    EXPECT_EQ(clockText(25 * 3600 + 600), "01:10");
    EXPECT_EQ(clockText(24 * 3600), "00:00");
}

TEST(GtfsTextRulesTest, FeedTextIsCleanedForTheLists) {
    struct Case {
        std::string text;
        const char* clean;
        bool controlsDropped = false;
    };
    const Case cases[] = {
        // Terminal controls go, the text around them stays.
        {"a\x1b(0b\x1b"
         "c\x07",
         "a(0bc", true},
        {std::string("\0 x\x7f\xC2\x9B"
                     "31m",
                     9),
         "x31m", true},
        {"  东桥 ", "东桥"},
        {"Main\r\nSt", "Main St"},
        {"a \t\n b", "a b"},
        {"甲;乙", "甲；乙"},
        {"站[北]{公园}", "站［北］｛公园｝"},
        {"\n", ""},
        {"\xC2\xA0x", "\xC2\xA0x"},  // no-break space: U+00A0 is past the controls
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cleanFeedText(c.text), c.clean) << c.text;
        EXPECT_EQ(hasControlCharacters(c.text), c.controlsDropped) << c.text;
    }
}

TEST(GtfsTextRulesTest, FeedTextIsShownWithoutControlsAndCut) {
    struct Case {
        std::string text;
        std::size_t maxCharacters;
        std::string shown;
    };
    const Case cases[] = {
        {"12路 东桥", 80, "12路 东桥"},
        {"", 80, ""},
        {"\x1b]0;title\x07\x1b[2J", 80, "\\x1b]0;title\\x07\\x1b[2J"},
        {"a\tb\r\nc\x7f", 80, "a\\x09b\\x0d\\x0ac\\x7f"},
        {std::string("a\0b", 3), 80, "a\\x00b"},
        {"\xC2\x9B"
         "31m",
         80, "\\u009b31m"},  // the 8-bit control sequence mark
        {"abc\xE2\x80\xAE"
         "fed",
         80, "abc\\u202efed"},                                     // right-to-left override
        {"x\xE2\x80\xA8y\xE2\x81\xA6z", 80, "x\\u2028y\\u2066z"},  // line separator, isolate
        {"\xFF\xFEok", 80, "\uFFFD\uFFFDok"},
        {"\xC0\xAF", 80, "\uFFFD\uFFFD"},            // overlong "/"
        {"\xE4\xB8", 80, "\uFFFD"},                  // 中 cut short is one character
        {"\xED\xA0\x80", 80, "\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"一二三四五", 3, "一二三…"},
        {"一二三", 3, "一二三"},
        {"ab\x1b", 5, "ab…"},  // an escape is shown whole or not at all
        {"ab\x1b", 6, "ab\\x1b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(displayText(c.text, c.maxCharacters), c.shown);
    }
    EXPECT_EQ(displayText(std::string(200, 'y')), std::string(80, 'y') + "…");
}

}  // namespace
}  // namespace busquery
