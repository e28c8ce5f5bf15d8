#include "search/SuggestionLine.h"

namespace busquery {

std::string SuggestionLine::text() const {
    std::string line;
    appendTo(line);
    return line;
}

void SuggestionLine::appendTo(std::string& out) const {
    out += stna;
    if (!rdna.empty()) out.append("[").append(rdna).append("]");
    if (!near.empty()) out.append("{").append(near).append("}");
}

SuggestionLine SuggestionLine::parse(std::string_view line) {
    SuggestionLine parts;
    const auto open = line.find_first_of("[{");
    parts.stna = line.substr(0, open);
    if (open == std::string_view::npos) return parts;
    std::string_view rest = line.substr(open);
    if (rest.front() == '[') {
        const auto close = rest.find(']', 1);
        if (close == std::string_view::npos) return parts;
        parts.rdna = rest.substr(1, close - 1);
        rest.remove_prefix(close + 1);
    }
    if (!rest.empty() && rest.front() == '{') {
        const auto close = rest.rfind('}');
        parts.near = rest.substr(1, close == std::string_view::npos ? close : close - 1);
    }
    return parts;
}

}  // namespace busquery
