#include "cli/SuggestCommand.h"

#include <ostream>

#include "cli/JsonLine.h"
#include "cli/Suggestions.h"
#include "cli/VisibleText.h"

namespace busquery::cli {

SuggestCommand::SuggestCommand()
    : Command("suggest", "List the station suggestions for TEXT typed into a station box") {}

void SuggestCommand::addOptions(CLI::App& command) {
    command.add_option("TEXT", boxText_, "Text of the box (\"%\" is removed)")->required();
}

int SuggestCommand::run(CliContext& context) {
    const Suggestions suggestions = suggest(context, boxText_);
    if (context.format() == Format::Json) {
        context.out << jsonLine(suggestionsJson(suggestions));
    } else {
        for (const auto& item : suggestions.items) {
            context.out << visibleText(item, EscapeStyle::Terminal) << '\n';
        }
    }
    return suggestions.items.empty() ? kExitMessage : kExitListed;
}

}  // namespace busquery::cli
