#include "cli/LineCommand.h"

#include <ctime>

#include "cli/RouteTimeText.h"
#include "query/Query.h"

namespace busquery::cli {

LineCommand::LineCommand() : Command("line", "List the lines whose name begins with NAME") {}

void LineCommand::addOptions(CLI::App& command) {
    command.add_option("NAME", lineName_, "Line name or its beginning (12, 12路, 夜1, 地铁)")
        ->required();
}

int LineCommand::run(CliContext& context) {
    Query query = context.query();
    // Where the data has a timetable, the departures of today.
    if (const auto today = readRouteTime("now", false, std::time(nullptr))) {
        query.showDeparturesOn(today->day);
    }
    return context.writeAnswer(query.lookUpLine(lineName_));
}

}  // namespace busquery::cli
