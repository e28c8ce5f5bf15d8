#pragma once

// countCharacters lives with the one UTF-8 reader.
#include "text/Utf8.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace busquery {

// The text with every occurrence of part removed, scanning from the first character.
std::string removeAll(std::string_view text, std::string_view part);

}  // namespace busquery
