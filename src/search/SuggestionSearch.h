#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "network/NetworkIndex.h"
#include "search/EnglishStationNames.h"

namespace busquery {

// The box text a suggestion search works on: every "%" removed. The window writes it back.
std::string cleanSuggestionText(std::string_view boxText);

// Whether a cleaned text starts a search: not empty, and no "[" (a picked line).
bool startsSuggestionSearch(std::string_view cleanedText);

// The suggestion line of a station: stna, then "[" rdna "]" and "{" near "}" where not empty.
std::string suggestionLine(const StationInfo& station);

// The suggestion lines of every station whose stna, rdna or near contains the cleaned text
// (literally; ASCII case ignored), in stna order, neighbours equal but for letter case collapsed
// to the first. Then, in the same way, the lines of the stations found only when case and
// accents are ignored, and then of those whose name the text spells in pinyin (see
// AdditionalMatches.h). The lines are views into the index: a one-character search lists
// thousands of stations, and copying each line would cost more than the search. They stay
// valid while the index does.
//
// With english (an English interface), a station that has an English name is listed by it in
// its line, and the stations whose English name contains the text follow the rows above.
std::vector<std::string_view> suggestStations(const NetworkIndex& index,
                                              std::string_view cleanedText,
                                              const EnglishStationNames* english = nullptr);

}  // namespace busquery
