#pragma once

#include <string_view>

namespace busquery {

enum class QueryMode { None, Line, SingleStation, MultiStation };

// "line", "singleST", "multiST", or the empty text when no mode ran.
std::string_view modeName(QueryMode mode);

}  // namespace busquery
