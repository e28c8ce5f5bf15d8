#include "search/SuggestionSearch.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "search/AdditionalMatches.h"
#include "search/StationTextIndex.h"
#include "search/SuggestionLine.h"
#include "text/AsciiCase.h"
#include "text/Text.h"

namespace busquery {

std::string cleanSuggestionText(std::string_view boxText) {
    return removeAll(boxText, "%");
}

bool startsSuggestionSearch(std::string_view cleanedText) {
    return !cleanedText.empty() && cleanedText.find('[') == std::string_view::npos;
}

std::string suggestionLine(const StationInfo& station) {
    return SuggestionLine{station.stna, station.rdna, station.near}.text();
}

std::vector<std::string_view> suggestStations(const NetworkIndex& index,
                                              std::string_view cleanedText,
                                              const EnglishStationNames* english) {
    using Columns = StationTextIndex::Columns;
    const StationTextIndex& text = index.derived<StationTextIndex>();
    const auto matches = text.find(cleanedText, Columns::NameRoadLandmarks);
    const auto folded = foldedMatches(index, cleanedText, Columns::NameRoadLandmarks, matches);
    std::vector<std::uint32_t> listed;
    if (!folded.empty()) {
        std::merge(matches.begin(), matches.end(), folded.begin(), folded.end(),
                   std::back_inserter(listed));
    }
    const auto pinyin = pinyinMatches(index, cleanedText, folded.empty() ? matches : listed);
    const std::vector<std::uint32_t> inEnglish = [&] {
        std::vector<std::uint32_t> places;
        if (english == nullptr || english->empty()) return places;
        std::vector<std::uint32_t> all;
        const auto& before = folded.empty() ? matches : listed;
        std::merge(before.begin(), before.end(), pinyin.begin(), pinyin.end(),
                   std::back_inserter(all));
        const auto found = english->find(cleanedText);
        std::set_difference(found.begin(), found.end(), all.begin(), all.end(),
                            std::back_inserter(places));
        return places;
    }();

    std::vector<std::string_view> items;
    items.reserve(matches.size() + folded.size() + pinyin.size() + inEnglish.size());
    const std::string_view none;
    // Only neighbours collapse. A match that is not listed equals the last item but for case,
    // so comparing with the last item is comparing with the previous match. Lines equal but for
    // case belong to stations that the same searches find, so no added row repeats a line of
    // the rows before it.
    for (const auto* places : {&matches, &folded, &pinyin, &inEnglish}) {
        for (std::uint32_t place : *places) {
            std::optional<std::string_view> inEnglishLine;
            if (english != nullptr) inEnglishLine = english->suggestionLine(place);
            const std::string_view line =
                inEnglishLine ? *inEnglishLine : text.suggestionLine(place);
            if (!equalsIgnoreAsciiCase(line, items.empty() ? none : items.back())) {
                items.push_back(line);
            }
        }
    }
    return items;
}

}  // namespace busquery
