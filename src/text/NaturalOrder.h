#pragma once

#include <string_view>

namespace busquery {

// Orders names as people number lines: runs of digits compare by their value, so 2路 comes
// before 10路 and B2 before B10; everything else compares byte by byte. Names that differ only
// in leading zeros fall back to plain byte order, so the order is total.
// Negative, zero or positive, as a is before, the same as, or after b.
int naturalCompare(std::string_view a, std::string_view b);

}  // namespace busquery
