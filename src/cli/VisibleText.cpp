#include "cli/VisibleText.h"

#include "text/Utf8.h"

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
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character c = utf8At(text, at);
        // An invalid character is shown as it stands: a terminal may well show a file of another
        // encoding, and JSON writes U+FFFD for it. U+0080 to U+009F are the C1 controls, among
        // them the one-byte escape sequence mark.
        const bool control = c.valid && (c.point < 0x20 || (c.point >= 0x7F && c.point <= 0x9F));
        if (control && !keptLineBreak(text, at, style)) {
            appendEscape(out, static_cast<unsigned>(c.point), style);
        } else {
            out += text.substr(at, c.length);
        }
        at += c.length;
    }
    return out;
}

}  // namespace busquery::cli
