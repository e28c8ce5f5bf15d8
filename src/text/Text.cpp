#include "text/Text.h"

namespace busquery {

std::string removeAll(std::string_view text, std::string_view part) {
    if (part.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, start)) {
        out.append(text.substr(start, at - start));
        start = at + part.size();
    }
    out.append(text.substr(start));
    return out;
}

}  // namespace busquery
