#include "gtfs/FeedText.h"

#include <charconv>

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

}  // namespace

std::string cleanFeedText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    bool blankPending = false;
    for (char c : text) {
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

std::optional<std::int64_t> readFeedInteger(std::string_view text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t point = 0;
        if (byte < 0x80) {
            ++i;
            continue;
        } else if ((byte & 0xE0) == 0xC0) {
            length = 2;
            point = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3;
            point = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4;
            point = byte & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            point = (point << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace busquery
