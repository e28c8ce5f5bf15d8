#pragma once

#include <string>
#include <string_view>

namespace busquery {

// The bus database compares names with "=" and LIKE ignoring the case of ASCII letters only;
// every other byte (all of Chinese) compares exactly. These helpers are that rule.

inline char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::string asciiLower(std::string_view text);

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix);

// Without leading and trailing blanks (space and tab).
std::string_view trimBlanks(std::string_view text);

}  // namespace busquery
