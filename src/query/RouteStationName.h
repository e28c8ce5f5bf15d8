#pragma once

#include <string_view>

namespace busquery {

// The station name a route box stands for: a picked suggestion line (name, "[" road "]",
// "{" landmarks "}") is cut back to the text before its first "[" or "{"; typed text stays as
// it is.
std::string_view routeStationName(std::string_view boxText);

}  // namespace busquery
