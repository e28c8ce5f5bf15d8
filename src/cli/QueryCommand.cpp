#include "cli/QueryCommand.h"

#include "query/Query.h"

namespace busquery::cli {

QueryCommand::QueryCommand()
    : Command("query", "Run a query from the raw texts of the entry boxes") {}

void QueryCommand::addOptions(CLI::App& command) {
    command.add_option("--line", input_.line, "Text of the line box");
    command.add_option("--station", input_.station, "Text of the station-lookup box");
    command.add_option("--from", input_.from, "Text of the origin box");
    command.add_option("--to", input_.to, "Text of the destination box");
    command.add_option("--pick", input_.pickedLine, "Picked line of the station suggestion list");
}

int QueryCommand::run(CliContext& context) {
    return context.writeAnswer(answer(context, input_));
}

Answer QueryCommand::answer(CliContext& context, const QueryInput& input) {
    Query query = context.query();
    return query.run(input);
}

Answer QueryCommand::answerAt(CliContext& context, const QueryInput& input, const RouteTime& time) {
    Query query = context.query();
    return query.searchRouteAt(input.from, input.to, time);
}

}  // namespace busquery::cli
