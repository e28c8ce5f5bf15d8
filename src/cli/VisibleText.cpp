#include "cli/VisibleText.h"

#include "cli/Utf8Check.h"

namespace busquery::cli {
namespace {

void appendHex(std::string& out, unsigned value, int digits) {
    constexpr char kDigits[] = "0123456789abcdef";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

void appendEscape(std::string& out, unsigned point, EscapeStyle style) {
    if (style == EscapeStyle::Terminal && point < 0x80) {
        out += "\\x";
        appendHex(out, point, 2);
    } else {
        out += "\\u";
        appendHex(out, point, 4);
    }
}

bool keptLineBreak(std::string_view text, std::size_t at, EscapeStyle style) {
    if (style != EscapeStyle::Terminal) return false;
    return text[at] == '\n' || (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
}

}  // namespace

std::string visibleText(std::string_view text, EscapeStyle style) {
    std::string out;
    out.reserve(text.size());
    std::size_t validEnd = 0;  // text up to here is known to be well-formed
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (at >= validEnd) {
            validEnd = at + validUtf8Length(text.substr(at));
            if (validEnd == at) {
                // Shown as it stands: a terminal may well show a file of another encoding, and
                // JSON writes U+FFFD for it.
                out += text[at];
                continue;
            }
        }
        const auto byte = static_cast<unsigned char>(text[at]);
        if ((byte < 0x20 || byte == 0x7F) && !keptLineBreak(text, at, style)) {
            appendEscape(out, byte, style);
        } else if (byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) <= 0x9F) {
            // U+0080 to U+009F: the C1 controls, among them the one-byte escape sequence mark.
            appendEscape(out, static_cast<unsigned char>(text[at + 1]), style);
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

}  // namespace busquery::cli
