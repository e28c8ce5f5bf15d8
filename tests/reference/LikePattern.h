#pragma once

#include <string>
#include <string_view>

namespace busquery {

// The escape character of every LIKE the program issues ("... LIKE ? ESCAPE '\'").
inline constexpr char kLikeEscape = '\\';

// User text made literal inside a LIKE pattern: "%", "_" and the escape character itself are
// escaped, so only the fixed "%" pieces around it act as wildcards.
std::string escapeLike(std::string_view text);

}  // namespace busquery
