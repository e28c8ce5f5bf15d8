#include "reference/LikePattern.h"

namespace busquery {

std::string escapeLike(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '%' || c == '_' || c == kLikeEscape) out.push_back(kLikeEscape);
        out.push_back(c);
    }
    return out;
}

}  // namespace busquery
