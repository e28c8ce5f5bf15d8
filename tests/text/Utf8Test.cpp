#include "text/Utf8.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>

namespace busquery {
namespace {

// Each character as U+XXXX, or as "bad/n" for an invalid one of n bytes.
std::string reading(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character c = utf8At(text, at);
        char piece[16];
        if (c.valid) {
            std::snprintf(piece, sizeof piece, "U+%04X", static_cast<unsigned>(c.point));
        } else {
            std::snprintf(piece, sizeof piece, "bad/%zu", c.length);
        }
        out += (out.empty() ? "" : " ") + std::string(piece);
        at += c.length;
    }
    return out;
}

// The earlier hand-written readers disagreed on the cases marked: the station index took
// overlong forms as characters, the character count skipped every continuation byte, and the
// feed's display showed one U+FFFD per byte of a cut character.
TEST(Utf8Test, ReadsWellFormedTextAndOneInvalidCharacterPerMaximalPiece) {
    struct Case {
        std::string text;
        std::size_t valid;  // bytes before the first invalid character
        const char* reading;
    };
    const Case cases[] = {
        {"", 0, ""},
        {"12路", 5, "U+0031 U+0032 U+8DEF"},
        {"\xc2\x80\xef\xbf\xbf\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf", 13,
         "U+0080 U+FFFF U+1F600 U+10FFFF"},  // bounds of each length
        {"东\xff", 3, "U+4E1C bad/1"},
        {"a\xe4\xb8", 1, "U+0061 bad/2"},          // cut short: one character, not two
        {"a\xe4\xb8x", 1, "U+0061 bad/2 U+0078"},  // a continuation byte missing
        {"\x80", 0, "bad/1"},                      // a continuation byte alone counts as one
        {"\xc0\xaf", 0, "bad/1 bad/1"},            // overlong "/": no character of the index
        {"\xc1\xbf", 0, "bad/1 bad/1"},
        {"\xe0\x9f\xbf", 0, "bad/1 bad/1 bad/1"},  // overlong
        {"\xf0\x8f\xbf\xbf", 0, "bad/1 bad/1 bad/1 bad/1"},
        {"\xed\xa0\x80", 0, "bad/1 bad/1 bad/1"},  // a surrogate
        {"\xed\x9f\xbf", 3, "U+D7FF"},             // the last code point before the surrogates
        {"\xf4\x90\x80\x80", 0, "bad/1 bad/1 bad/1 bad/1"},  // above U+10FFFF
        {"\xf0\x9f\x98", 0, "bad/3"},
        {"\xb6\xab\xc7\xc5", 0, "bad/1 bad/1 bad/1 bad/1"},  // GBK
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reading);
        EXPECT_EQ(reading(c.text), c.reading);
        EXPECT_EQ(validUtf8Length(c.text), c.valid);
        EXPECT_EQ(isValidUtf8(c.text), c.valid == c.text.size());
        // The batch request reader takes as UTF-8 exactly what the JSON parser takes.
        EXPECT_EQ(nlohmann::json::accept("\"" + c.text + "\""), c.valid == c.text.size());
    }
}

TEST(Utf8Test, CountsEveryCharacterValidOrNot) {
    EXPECT_EQ(countCharacters("东桥a"), 3u);
    EXPECT_EQ(countCharacters("\x80\x80"), 2u);
    EXPECT_EQ(countCharacters("\xed\xa0\x80"), 3u);
    EXPECT_EQ(countCharacters("东\xe4\xb8"), 2u);
}

}  // namespace
}  // namespace busquery
