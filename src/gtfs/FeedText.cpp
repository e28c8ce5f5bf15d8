#include "gtfs/FeedText.h"

#include <charconv>

#include "text/Utf8.h"

namespace busquery {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view fullWidth(char c) {
    switch (c) {
        case ';':
            return "；";
        case '[':
            return "［";
        case ']':
            return "］";
        case '{':
            return "｛";
        case '}':
            return "｝";
        default:
            return {};
    }
}

// Characters a terminal acts on rather than shows: C0 and C1 controls, DEL, the line and
// paragraph separators, and the marks that reorder text (which can make a line read backwards).
bool isControl(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0x200E || point == 0x200F ||
           point == 0x2028 || point == 0x2029 || (point >= 0x202A && point <= 0x202E) ||
           (point >= 0x2066 && point <= 0x2069);
}

std::string escaped(char32_t point) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text = point < 0x80 ? "\\x" : "\\u";
    for (int shift = point < 0x80 ? 4 : 12; shift >= 0; shift -= 4) {
        text += kDigits[(point >> shift) & 0xF];
    }
    return text;
}

}  // namespace

// The length of the control character that starts at text[at] and is dropped from names:
// C0 other than the blanks, DEL, and C1 (U+0080 to U+009F, two bytes in UTF-8); 0 for any other.
std::size_t droppedControlLength(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if ((byte < 0x20 && !isBlank(text[at])) || byte == 0x7F) return 1;
    if (byte == 0xC2 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F) return 2;
    }
    return 0;
}

std::string cleanFeedText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    bool blankPending = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (std::size_t control = droppedControlLength(text, at); control > 0) {
            at += control - 1;
            continue;
        }
        if (isBlank(c)) {
            blankPending = !clean.empty();
            continue;
        }
        if (blankPending) clean += ' ';
        blankPending = false;
        std::string_view wide = fullWidth(c);
        if (wide.empty()) {
            clean += c;
        } else {
            clean += wide;
        }
    }
    return clean;
}

bool hasControlCharacters(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (droppedControlLength(text, at) > 0) return true;
    }
    return false;
}

std::optional<std::int64_t> readFeedInteger(std::string_view text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string displayText(std::string_view text, std::size_t maxCharacters) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character c = utf8At(text, at);
        std::string piece;
        std::size_t width = 1;
        if (!c.valid) {
            piece = "\uFFFD";
        } else if (isControl(c.point)) {
            piece = escaped(c.point);
            width = piece.size();
        } else {
            piece = text.substr(at, c.length);
        }
        if (characters + width > maxCharacters) return shown + "…";
        shown += piece;
        characters += width;
        at += c.length;
    }
    return shown;
}

}  // namespace busquery
