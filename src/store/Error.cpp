#include "store/Error.h"

namespace busquery {

std::string fillParts(std::string_view text, const std::vector<std::string>& parts) {
    std::string out;
    out.reserve(text.size() + 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
            static_cast<std::size_t>(text[i + 1] - '1') < parts.size()) {
            out += parts[text[i + 1] - '1'];
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string ErrorText::written() const {
    if (isValue || parts.empty()) return words;
    std::vector<std::string> shown;
    shown.reserve(parts.size());
    for (const ErrorText& part : parts) shown.push_back(part.written());
    return fillParts(words, shown);
}

}  // namespace busquery
