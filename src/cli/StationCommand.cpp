#include "cli/StationCommand.h"

#include "query/Query.h"

namespace busquery::cli {

StationCommand::StationCommand()
    : Command("station", "List the stations whose name contains TEXT, with their lines") {}

void StationCommand::addOptions(CLI::App& command) {
    command.add_option("TEXT", text_, "Text of the station-lookup box")->required();
    command.add_option("--pick", pickedLine_, "Picked suggestion line (name[road]{landmarks})");
}

int StationCommand::run(CliContext& context) {
    Query query = context.query();
    return context.writeAnswer(query.lookUpStation(text_, pickedLine_));
}

}  // namespace busquery::cli
