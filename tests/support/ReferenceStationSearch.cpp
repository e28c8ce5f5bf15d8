#include "support/ReferenceStationSearch.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>

#include "db/AsciiCase.h"
#include "db/LikePattern.h"
#include "db/NameList.h"
#include "query/StationLookup.h"

namespace busquery::test {

std::vector<std::string> referenceSuggestions(BusDatabase& database, std::string_view cleanedText) {
    const std::string pattern = "%" + escapeLike(cleanedText) + "%";
    SQLite::Statement rows(database.connection(),
                           "SELECT stna, rdna, near FROM nstinfo"
                           " WHERE stna LIKE ?1 ESCAPE '\\' OR rdna LIKE ?1 ESCAPE '\\'"
                           " OR near LIKE ?1 ESCAPE '\\'"
                           " ORDER BY stna COLLATE pinyin, rowid");
    rows.bind(1, pattern);
    std::vector<std::string> items;
    std::string previous;
    while (rows.executeStep()) {
        std::string line = rows.getColumn(0).getString();
        if (std::string rdna = rows.getColumn(1).getString(); !rdna.empty()) {
            line += "[" + rdna + "]";
        }
        if (std::string near = rows.getColumn(2).getString(); !near.empty()) {
            line += "{" + near + "}";
        }
        if (!equalsIgnoreAsciiCase(line, previous)) items.push_back(line);
        previous = line;
    }
    return items;
}

void referenceStationLookup(BusDatabase& database, std::string_view pickedLine, QueryState& state,
                            ResultPane& pane) {
    pane.clear();
    const StationSearchParts parts = stationSearchParts(pickedLine, state.strQueryFrom);
    // Null names read as the empty text, which every empty station part finds.
    std::string sql =
        "SELECT stna, Passlnna FROM nstinfo WHERE ifnull(stna, '') LIKE ? ESCAPE '\\'";
    if (!parts.road.empty()) sql += " AND rdna = ? COLLATE NOCASE";
    sql += " ORDER BY stna COLLATE pinyin, rowid";
    SQLite::Statement rows(database.connection(), sql);
    rows.bind(1, "%" + escapeLike(parts.station) + "%");
    if (!parts.road.empty()) rows.bind(2, parts.road);

    std::int32_t found = 0;
    while (rows.executeStep()) {
        if (found++ > 0) pane.append("\r\n\r\n");
        pane.setColour(colours::kStationBlue);
        pane.append(rows.getColumn(0).getString() + ":");
        std::vector<std::string> distinct;
        for (const auto& name : readNameList(rows.getColumn(1).getString())) {
            if (!name.empty() &&
                std::find(distinct.begin(), distinct.end(), name) == distinct.end()) {
                distinct.push_back(name);
            }
        }
        pane.setColour(colours::kBlack);
        std::string separator;
        for (const auto& name : distinct) {
            pane.append(separator + name);
            separator = "、";
        }
    }
    state.lngRecordNum = found;
    state.intOutState = found == 0 ? OutcomeCode::NoStation : OutcomeCode::StationsListed;
}

}  // namespace busquery::test
