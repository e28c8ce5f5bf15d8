#pragma once

#include <cstddef>
#include <string_view>

namespace busquery::cli {

// The number of leading bytes of text that are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF): text.size() when all of it is.
std::size_t validUtf8Length(std::string_view text);

}  // namespace busquery::cli
