#pragma once

#include <string>
#include <string_view>

#include "query/Language.h"

namespace busquery {

// A line's stored service hours (fltime) as the answer shows them. The import marks a last
// departure after midnight with 次日 before its time, "(05:30-次日00:40)"; in English the
// time reads as the timed answers write it, "(05:30-00:40 next day)". Everything else in the
// text is shown as stored, and in Chinese all of it is.
std::string shownServiceHours(std::string_view fltime, Language language);

}  // namespace busquery
