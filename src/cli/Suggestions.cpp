#include "cli/Suggestions.h"

#include "query/Query.h"

namespace busquery::cli {

Suggestions suggest(CliContext& context, std::string_view boxText) {
    Query query = context.query();
    // No search, no database: an empty text or a picked line leaves the list as it was.
    const busquery::Suggestions found = query.suggest(boxText);
    return {found.text, {found.lines.begin(), found.lines.end()}};
}

nlohmann::ordered_json suggestionsJson(const Suggestions& suggestions) {
    return {{"text", suggestions.text}, {"items", suggestions.items}};
}

}  // namespace busquery::cli
