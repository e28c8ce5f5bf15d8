#include "cli/Utf8Check.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace busquery::cli {
namespace {

TEST(Utf8CheckTest, StopsAtTheFirstByteThatIsNotWellFormed) {
    struct Case {
        std::string text;
        std::size_t valid;
    };
    const Case cases[] = {
        {"", 0},
        {"12路", 5},
        {"\xc2\x80\xef\xbf\xbf\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf", 13},  // bounds of each length
        {"东\xff", 3},
        {"a\xe4\xb8", 1},         // cut short
        {"a\xe4\xb8x", 1},        // a continuation byte missing
        {"\x80", 0},              // a continuation byte alone
        {"\xc0\xaf", 0},          // overlong "/"
        {"\xc1\xbf", 0},          // overlong
        {"\xe0\x9f\xbf", 0},      // overlong
        {"\xf0\x8f\xbf\xbf", 0},  // overlong
        {"\xed\xa0\x80", 0},      // a surrogate
        {"\xed\x9f\xbf", 3},      // the last code point before the surrogates
        {"\xf4\x90\x80\x80", 0},  // above U+10FFFF
        {"\xf5\x80\x80\x80", 0},
        {"\xb6\xab\xc7\xc5", 0},  // GBK
    };
    for (const auto& c : cases) {
        EXPECT_EQ(validUtf8Length(c.text), c.valid) << c.text;
        // The request reader takes as UTF-8 exactly what the JSON parser takes.
        EXPECT_EQ(nlohmann::json::accept("\"" + c.text + "\""), c.valid == c.text.size()) << c.text;
    }
}

}  // namespace
}  // namespace busquery::cli
