#pragma once

#include <string>
#include <string_view>

namespace busquery {

// A line name as the route answers show it: every "上行" removed, then every "下行" from what is
// left. The two directions of a line are separate rows; the traveller sees the line's name.
std::string withoutDirectionWords(std::string_view lineText);

// The route name a stored line name begins with: the name without "上行" or "下行" at its end,
// then without "支线" and its number, if any, at the end of what is left ("空港線上行" → "空港線",
// "12路支线2下行" → "12路").
std::string_view routeNameOfLine(std::string_view lnna);

}  // namespace busquery
