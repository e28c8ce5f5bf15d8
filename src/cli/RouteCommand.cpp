#include "cli/RouteCommand.h"

#include <ctime>

#include "cli/RouteTimeText.h"
#include "query/Query.h"
#include "query/Words.h"

namespace busquery::cli {

RouteCommand::RouteCommand(const Language& language)
    : Command("route", "List the direct lines from FROM to TO, or else the plans with one change"),
      language_(language) {}

void RouteCommand::addOptions(CLI::App& command) {
    command.add_option("FROM", from_, "Origin station (or a picked suggestion line)")->required();
    command.add_option("TO", to_, "Destination station (or a picked suggestion line)")->required();
    // Checked here, so that a time that cannot be read is a usage error like any other.
    const CLI::Validator time(
        [this](std::string& text) {
            return readRouteTime(text, false, std::time(nullptr))
                       ? std::string()
                       : tr(language_, "Cli",
                            "无法读取时间“%1”：应为 “2026-01-08 08:00”、“08:00” 或 “now”", {text});
        },
        "TIME");
    auto* at = command
                   .add_option("--at", at_,
                               "Leave at this time (\"2026-01-08 08:00\", \"08:00\" today, or "
                               "\"now\"): the journeys by the clock")
                   ->check(time);
    command
        .add_option("--arrive-by", arriveBy_,
                    "Arrive by this time: the latest journeys by the clock that do")
        ->check(time)
        ->excludes(at);
}

int RouteCommand::run(CliContext& context) {
    Query query = context.query();
    if (at_.empty() && arriveBy_.empty()) return context.writeAnswer(query.searchRoute(from_, to_));
    const bool arriveBy = !arriveBy_.empty();
    const auto time = readRouteTime(arriveBy ? arriveBy_ : at_, arriveBy, std::time(nullptr));
    return context.writeAnswer(query.searchRouteAt(from_, to_, *time));
}

}  // namespace busquery::cli
