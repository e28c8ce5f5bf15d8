#include "cli/RouteCommand.h"

#include "query/Query.h"

namespace busquery::cli {

RouteCommand::RouteCommand()
    : Command("route", "List the direct lines from FROM to TO, or else the plans with one change") {
}

void RouteCommand::addOptions(CLI::App& command) {
    command.add_option("FROM", from_, "Origin station (or a picked suggestion line)")->required();
    command.add_option("TO", to_, "Destination station (or a picked suggestion line)")->required();
}

int RouteCommand::run(CliContext& context) {
    Query query(context.data());
    return context.writeAnswer(query.searchRoute(from_, to_));
}

}  // namespace busquery::cli
