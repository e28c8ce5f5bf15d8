#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace busquery {

// A name or description from a feed as the bus database can hold it: every run of blanks, tabs
// and line breaks becomes one blank, blanks at either end go, the other control characters
// (C0, DEL and C1, which a terminal would act on) are dropped, and the characters the name
// lists and suggestion lines use as separators (";", "[", "]", "{", "}") become their
// full-width forms, so a name never splits a list or a suggestion line. text is UTF-8.
std::string cleanFeedText(std::string_view text);

// Whether cleanFeedText drops characters of text (other than blanks).
bool hasControlCharacters(std::string_view text);
// The import summary's reason for the texts hasControlCharacters finds.
inline constexpr std::string_view kControlsDropped = "名称中的控制字符已删去";

// The whole of text as a decimal integer, nullopt when it is anything else.
std::optional<std::int64_t> readFeedInteger(std::string_view text);

// Text from a feed as a message may show it on a terminal: control characters (those of
// ASCII and Latin-1, and the marks that turn the direction of text) as visible escapes such as
// \x1b or \u202e, every invalid character (text/Utf8.h) as one U+FFFD, and no more than
// maxCharacters characters, "…" marking the cut.
std::string displayText(std::string_view text, std::size_t maxCharacters = 80);

}  // namespace busquery
