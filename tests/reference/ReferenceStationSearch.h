#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "query/Answer.h"
#include "query/QueryState.h"
#include "store/BusDatabase.h"

namespace busquery::test {

// The suggestion search as one statement: the three-column LIKE with the text made literal,
// ORDER BY stna COLLATE pinyin, rowid; neighbours equal but for case collapsed.
std::vector<std::string> referenceSuggestions(BusDatabase& database, std::string_view cleanedText);

// The station lookup as one statement over nstinfo, read row by row.
std::vector<StationEntry> referenceStationLookup(BusDatabase& database, std::string_view pickedLine,
                                                 QueryState& state);

}  // namespace busquery::test
