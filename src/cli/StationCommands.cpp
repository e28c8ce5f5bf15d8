#include "cli/StationCommands.h"

#include <memory>
#include <ostream>

#include "search/SuggestionSearch.h"

namespace busquery::cli {

Suggestions suggest(CliContext& context, std::string_view boxText) {
    Suggestions result{cleanSuggestionText(boxText), {}};
    // No search, no database: an empty text or a picked line leaves the list as it was.
    if (!startsSuggestionSearch(result.text)) return result;
    BusData& data = context.data();
    data.refresh();
    for (std::string_view line : suggestStations(data.index(), result.text)) {
        result.items.emplace_back(line);
    }
    return result;
}

nlohmann::ordered_json suggestionsJson(const Suggestions& suggestions) {
    return {{"text", suggestions.text}, {"items", suggestions.items}};
}

namespace {

int runSuggest(CliContext& context, const std::string& boxText) {
    const Suggestions suggestions = suggest(context, boxText);
    if (context.format() == Format::Json) {
        context.out << suggestionsJson(suggestions).dump() << '\n';
    } else {
        for (const auto& item : suggestions.items) context.out << item << '\n';
    }
    return suggestions.items.empty() ? kExitMessage : kExitListed;
}

}  // namespace

void addStationCommands(CLI::App& app, CliContext& context, std::function<int()>& action) {
    auto boxText = std::make_shared<std::string>();
    auto* suggestCommand = app.add_subcommand(
        "suggest", "List the station suggestions for TEXT typed into a station box");
    suggestCommand->add_option("TEXT", *boxText, "Text of the box (\"%\" is removed)")->required();
    suggestCommand->callback(
        [&, boxText] { action = [&, boxText] { return runSuggest(context, *boxText); }; });

    auto input = std::make_shared<QueryInput>();
    auto* station = app.add_subcommand(
        "station", "List the stations whose name contains TEXT, with their lines");
    station->add_option("TEXT", input->station, "Text of the station-lookup box")->required();
    station->add_option("--pick", input->pickedLine,
                        "Picked suggestion line (name[road]{landmarks})");
    station->callback([&, input] { action = [&, input] { return context.runQuery(*input); }; });
}

}  // namespace busquery::cli
