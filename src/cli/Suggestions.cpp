#include "cli/Suggestions.h"

#include "search/SuggestionSearch.h"

namespace busquery::cli {

Suggestions suggest(CliContext& context, std::string_view boxText) {
    Suggestions result{cleanSuggestionText(boxText), {}};
    // No search, no database: an empty text or a picked line leaves the list as it was.
    if (!startsSuggestionSearch(result.text)) return result;
    BusData& data = context.session().data();
    data.refresh();
    for (std::string_view line : suggestStations(data.index(), result.text)) {
        result.items.emplace_back(line);
    }
    return result;
}

nlohmann::ordered_json suggestionsJson(const Suggestions& suggestions) {
    return {{"text", suggestions.text}, {"items", suggestions.items}};
}

}  // namespace busquery::cli
