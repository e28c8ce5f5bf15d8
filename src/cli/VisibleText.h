#pragma once

#include <string>
#include <string_view>

namespace busquery::cli {

// How a control character is written out.
enum class EscapeStyle {
    Terminal,  // \x1b, \u009b; line breaks (\n, \r\n) stay, the answers are laid out with them
    Json,      // \u001b, \u009b, as JSON writes a character; every line break is escaped too
};

// text with every control character (C0, DEL, C1) a terminal or a reader would act on shown as
// a visible escape: what a data file or a request holds is shown, never acted on. Bytes that
// are not well-formed UTF-8 stay as they are.
std::string visibleText(std::string_view text, EscapeStyle style);

}  // namespace busquery::cli
