#include "text/Utf8.h"

#include <unicode/utf8.h>

#include <algorithm>

namespace busquery::detail {

Utf8Character decodeMultibyteUtf8(std::string_view text, std::size_t at) {
    // No character is longer than four bytes, so the offsets ICU takes as int32_t cannot
    // overflow however long the text is.
    const auto length = static_cast<int32_t>(std::min<std::size_t>(text.size() - at, 4));
    int32_t end = 0;
    UChar32 point = 0;
    U8_NEXT(text.data() + at, end, length, point);
    if (point < 0) return {0, static_cast<std::size_t>(end), false};
    return {static_cast<char32_t>(point), static_cast<std::size_t>(end), true};
}

}  // namespace busquery::detail

namespace busquery {

std::size_t validUtf8Length(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const Utf8Character c = utf8At(text, at);
        if (!c.valid) break;
        at += c.length;
    }
    return at;
}

std::size_t countCharacters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += utf8At(text, at).length) ++count;
    return count;
}

}  // namespace busquery
