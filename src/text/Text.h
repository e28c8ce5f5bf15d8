#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace busquery {

// Number of characters (Unicode code points) of UTF-8 text: what the traveller sees as length.
std::size_t countCharacters(std::string_view utf8);

// The text with every occurrence of part removed, scanning from the first character.
std::string removeAll(std::string_view text, std::string_view part);

}  // namespace busquery
