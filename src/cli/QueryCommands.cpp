#include "cli/QueryCommands.h"

#include <memory>

namespace busquery::cli {

void addQueryCommands(CLI::App& app, CliContext& context, std::function<int()>& action) {
    auto lineName = std::make_shared<std::string>();
    auto* line = app.add_subcommand("line", "List the lines whose name begins with NAME");
    line->add_option("NAME", *lineName, "Line name or its beginning (12, 12路, 夜1, 地铁)")
        ->required();
    line->callback([&, lineName] {
        action = [&, lineName] { return context.runQuery(QueryInput{*lineName, {}, {}, {}, {}}); };
    });

    auto stations = std::make_shared<std::pair<std::string, std::string>>();
    auto* route = app.add_subcommand(
        "route", "List the direct lines from FROM to TO, or else the plans with one change");
    route->add_option("FROM", stations->first, "Origin station (or a picked suggestion line)")
        ->required();
    route->add_option("TO", stations->second, "Destination station (or a picked suggestion line)")
        ->required();
    route->callback([&, stations] {
        action = [&, stations] {
            return context.runQuery(QueryInput{{}, {}, stations->first, stations->second, {}});
        };
    });

    auto input = std::make_shared<QueryInput>();
    auto* query = app.add_subcommand("query", "Run a query from the raw texts of the entry boxes");
    query->add_option("--line", input->line, "Text of the line box");
    query->add_option("--station", input->station, "Text of the station-lookup box");
    query->add_option("--from", input->from, "Text of the origin box");
    query->add_option("--to", input->to, "Text of the destination box");
    query->add_option("--pick", input->pickedLine, "Picked line of the station suggestion list");
    query->callback([&, input] { action = [&, input] { return context.runQuery(*input); }; });
}

}  // namespace busquery::cli
