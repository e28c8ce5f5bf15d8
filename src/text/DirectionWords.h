#pragma once

#include <string>
#include <string_view>

namespace busquery {

// A line name as the route answers show it: every "上行" removed, then every "下行" from what is
// left. The two directions of a line are separate rows; the traveller sees the line's name.
std::string withoutDirectionWords(std::string_view lineText);

}  // namespace busquery
