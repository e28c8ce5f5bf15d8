#include "reference/ReferenceStationSearch.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>

#include "reference/LikePattern.h"
#include "text/AsciiCase.h"
#include "text/NameList.h"
#include "text/Text.h"

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

std::vector<StationEntry> referenceStationLookup(BusDatabase& database, std::string_view pickedLine,
                                                 QueryState& state) {
    // The name before a picked line's "[" or "{"; its road only where "[" comes first and is
    // closed, and only when it has three characters or more.
    std::string station = state.strQueryFrom;
    std::string road;
    if (!pickedLine.empty()) {
        const auto open = pickedLine.find_first_of("[{");
        station = pickedLine.substr(0, open);
        if (open != std::string_view::npos && pickedLine[open] == '[') {
            const auto close = pickedLine.find(']', open + 1);
            if (close != std::string_view::npos)
                road = pickedLine.substr(open + 1, close - open - 1);
        }
        if (countCharacters(road) < 3) road.clear();
    }
    // Null names read as the empty text, which every empty station part finds.
    std::string sql =
        "SELECT stna, Passlnna FROM nstinfo WHERE ifnull(stna, '') LIKE ? ESCAPE '\\'";
    if (!road.empty()) sql += " AND rdna = ? COLLATE NOCASE";
    sql += " ORDER BY stna COLLATE pinyin, rowid";
    SQLite::Statement rows(database.connection(), sql);
    rows.bind(1, "%" + escapeLike(station) + "%");
    if (!road.empty()) rows.bind(2, road);

    std::vector<StationEntry> found;
    while (rows.executeStep()) {
        StationEntry entry{rows.getColumn(0).getString(), {}};
        for (const auto& name : readNameList(rows.getColumn(1).getString())) {
            if (!name.empty() &&
                std::find(entry.lines.begin(), entry.lines.end(), name) == entry.lines.end()) {
                entry.lines.push_back(name);
            }
        }
        found.push_back(std::move(entry));
    }
    state.lngRecordNum = static_cast<std::int32_t>(found.size());
    state.intOutState = found.empty() ? OutcomeCode::NoStation : OutcomeCode::StationsListed;
    return found;
}

}  // namespace busquery::test
