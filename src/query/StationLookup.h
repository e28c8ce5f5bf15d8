#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "network/NetworkIndex.h"
#include "query/Answer.h"
#include "search/EnglishStationNames.h"

namespace busquery {

// What a station lookup searches for: stations whose name contains station, on the road road
// when that is not empty.
struct StationSearchParts {
    std::string station;
    std::string road;
    bool operator==(const StationSearchParts&) const = default;
};

// The parts of a picked suggestion line (stna, stna[rdna], stna{near}, stna[rdna]{near}), or
// of the typed text when nothing is picked. A road of two characters or fewer is not used.
StationSearchParts stationSearchParts(std::string_view pickedLine, std::string_view typedText);

// Adds a line name to the distinct list arrLnna unless it is empty or already there (exact
// comparison). The list grows as far as needed.
void addLine(std::vector<std::string>& arrLnna, std::string_view name);

// Every station whose name contains the station part (taken from the picked suggestion line,
// else from the typed text), narrowed by the picked road part, with the distinct lines that stop
// there; then those whose name contains it when case and accents are ignored. When that finds
// none, the stations whose name the station part spells in pinyin. With english (an English
// interface), the stations whose English name contains the station part follow the rows
// before the pinyin ones.
std::vector<StationEntry> stationLookup(const NetworkIndex& index, std::string_view pickedLine,
                                        std::string_view typedText,
                                        const EnglishStationNames* english = nullptr);

}  // namespace busquery
