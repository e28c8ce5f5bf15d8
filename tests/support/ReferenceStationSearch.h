#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/BusDatabase.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery::test {

// The suggestion search as one statement: the three-column LIKE with the text made literal,
// ORDER BY stna COLLATE pinyin, rowid; neighbours equal but for case collapsed.
std::vector<std::string> referenceSuggestions(BusDatabase& database, std::string_view cleanedText);

// The station lookup as one statement over nstinfo, written row by row.
void referenceStationLookup(BusDatabase& database, std::string_view pickedLine, QueryState& state,
                            ResultPane& pane);

}  // namespace busquery::test
