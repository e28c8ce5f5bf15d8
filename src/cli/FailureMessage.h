#pragma once

#include <exception>
#include <string>

namespace busquery::cli {

// What the traveller reads about a failure: the program's own Error says it in Chinese; any
// other exception is a fault of the program, and its library text is not shown.
std::string failureMessage(const std::exception& failure);

}  // namespace busquery::cli
