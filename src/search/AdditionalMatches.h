#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "network/NetworkIndex.h"
#include "search/StationTextIndex.h"

namespace busquery {

// The stations a text names beyond those whose texts contain it as they are (ASCII case
// ignored). Their rows follow the literal ones, so every answer given without them stays as
// it was; places are in name order, as StationTextIndex numbers them.

// The places, ascending, of the stations whose stna (or stna, rdna or near) contains text when
// case and accents are ignored on both sides, except those of literal (ascending): "ecole"
// finds "École", "žirm" and "zirm" find "Žirmūnai".
std::vector<std::uint32_t> foldedMatches(const NetworkIndex& index, std::string_view text,
                                         StationTextIndex::Columns columns,
                                         const std::vector<std::uint32_t>& literal);

// The places, ascending, of the stations whose name text spells in pinyin, except those of
// listed (ascending). A text that is not pinyin text finds none, and builds no pinyin index.
std::vector<std::uint32_t> pinyinMatches(const NetworkIndex& index, std::string_view text,
                                         const std::vector<std::uint32_t>& listed);

}  // namespace busquery
