#include "query/StationLookup.h"

#include <algorithm>
#include <iterator>

#include "search/AdditionalMatches.h"
#include "search/StationTextIndex.h"
#include "search/SuggestionLine.h"
#include "text/AsciiCase.h"
#include "text/Text.h"

namespace busquery {
namespace {

// Roads of one or two characters are too unspecific to narrow the search.
constexpr std::size_t kShortestRoad = 3;

}  // namespace

StationSearchParts stationSearchParts(std::string_view pickedLine, std::string_view typedText) {
    if (pickedLine.empty()) return {std::string(typedText), {}};

    const SuggestionLine line = SuggestionLine::parse(pickedLine);
    StationSearchParts parts{std::string(line.stna), std::string(line.rdna)};
    if (countCharacters(parts.road) < kShortestRoad) parts.road.clear();
    return parts;
}

void addLine(std::vector<std::string>& arrLnna, std::string_view name) {
    if (name.empty() || std::find(arrLnna.begin(), arrLnna.end(), name) != arrLnna.end()) return;
    arrLnna.emplace_back(name);
}

std::vector<StationEntry> stationLookup(const NetworkIndex& index, std::string_view pickedLine,
                                        std::string_view typedText,
                                        const EnglishStationNames* english) {
    using Columns = StationTextIndex::Columns;
    const StationSearchParts parts = stationSearchParts(pickedLine, typedText);

    std::vector<StationEntry> found;
    const auto& text = index.derived<StationTextIndex>();
    auto list = [&](const std::vector<std::uint32_t>& places) {
        for (std::uint32_t place : places) {
            const StationInfo& station = index.stations()[text.station(place)];
            if (!parts.road.empty() && !equalsIgnoreAsciiCase(station.rdna, parts.road)) continue;
            StationEntry entry{std::string(station.stna), {}};
            for (const auto& line : station.lines) addLine(entry.lines, line);
            found.push_back(std::move(entry));
        }
    };
    const auto literal = text.find(parts.station, Columns::Name);
    list(literal);
    const auto folded = foldedMatches(index, parts.station, Columns::Name, literal);
    list(folded);
    if (english != nullptr && !english->empty()) {
        std::vector<std::uint32_t> listed;
        std::merge(literal.begin(), literal.end(), folded.begin(), folded.end(),
                   std::back_inserter(listed));
        std::vector<std::uint32_t> inEnglish;
        const auto found = english->find(parts.station);
        std::set_difference(found.begin(), found.end(), listed.begin(), listed.end(),
                            std::back_inserter(inEnglish));
        list(inEnglish);
    }
    // Pinyin only takes the place of "no station": a name in letters is found as it is.
    if (found.empty()) list(pinyinMatches(index, parts.station, {}));
    return found;
}

}  // namespace busquery
