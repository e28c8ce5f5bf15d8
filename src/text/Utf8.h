#pragma once

#include <cstddef>
#include <string_view>

namespace busquery {

// The one reading of UTF-8 text, for every layer. Only well-formed UTF-8 is valid (no overlong
// forms, no surrogates, nothing above U+10FFFF). Bytes that are not are read as ICU's U8_NEXT
// reads them, which is also how WHATWG decoders and Unicode's "maximal subpart" practice do:
// a lead byte with the continuation bytes that may still follow it, or else a single byte, is
// one invalid character. Callers decide what an invalid character means to them (a request is
// refused, a name shows U+FFFD, a search text matches as bytes), never how long it is.
struct Utf8Character {
    char32_t point = 0;      // the code point; 0 for an invalid character
    std::size_t length = 1;  // bytes, at least one
    bool valid = true;
};

namespace detail {
Utf8Character decodeMultibyteUtf8(std::string_view text, std::size_t at);
}

// The character that starts at byte offset at (at < text.size()).
inline Utf8Character utf8At(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    return detail::decodeMultibyteUtf8(text, at);
}

// The number of leading bytes of text that are valid: text.size() when all of it is.
std::size_t validUtf8Length(std::string_view text);

inline bool isValidUtf8(std::string_view text) {
    return validUtf8Length(text) == text.size();
}

// The number of characters of text, what the traveller sees as its length; an invalid
// character counts as one.
std::size_t countCharacters(std::string_view text);

}  // namespace busquery
