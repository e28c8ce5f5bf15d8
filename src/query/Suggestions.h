#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace busquery {

// What a station box shows after the traveller typed: the cleaned text the box keeps and, when
// that text starts a search, the suggestion lines. The lines are views into the loaded network
// and stay valid until the next query or suggestion.
struct Suggestions {
    std::string text;
    bool searched = false;  // false: the list stays as it was
    std::vector<std::string_view> lines;
};

}  // namespace busquery
