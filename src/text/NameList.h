#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace busquery {

// Passstna and Passlnna hold names each followed by ";". Splitting leaves an empty piece behind
// the final ";", which is dropped; a list whose final ";" is missing keeps its last name.
// Empty pieces inside the list are kept: callers decide what an empty name means.
std::vector<std::string> readNameList(std::string_view list);
// The same names as pieces of list, for callers that keep list alive.
std::vector<std::string_view> nameListViews(std::string_view list);

}  // namespace busquery
