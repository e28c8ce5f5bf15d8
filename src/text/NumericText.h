#pragma once

#include <string_view>

namespace busquery {

// A plain decimal number, blanks around it allowed: 12, 12.5, " 12". Not: "", "B1", "夜1".
// A numeric line request looks for "N路"; a numbered feed route is named the same way.
bool isNumericText(std::string_view text);

}  // namespace busquery
