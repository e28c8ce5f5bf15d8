#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "network/NetworkIndex.h"

namespace busquery::test {

// Texts a traveller might type into a station box: pieces of one to four characters of the
// city's station names, roads and landmarks, some with ASCII letters in the other case and some
// with a character that LIKE reads as a wildcard or that ends an SQL literal. Repeatable.
std::vector<std::string> drawStationTexts(const NetworkIndex& index, std::size_t count,
                                          std::uint32_t seed);

// Suggestion lines as a station box holds them after a pick, some edited afterwards: cut short,
// another piece added, ASCII case changed.
std::vector<std::string> drawPickedLines(const NetworkIndex& index, std::size_t count,
                                         std::uint32_t seed);

}  // namespace busquery::test
