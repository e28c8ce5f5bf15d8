#include "cli/CliApp.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>

#include "cli/BatchCommand.h"
#include "cli/CliContext.h"
#include "cli/ImportGtfsCommand.h"
#include "cli/QueryCommands.h"
#include "cli/SampleCommand.h"
#include "cli/StationCommands.h"
#include "store/Error.h"

namespace busquery::cli {

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err) {
    CliContext context{in, out, err};
    std::function<int()> action;

    CLI::App app("Velmorina bus and metro enquiry from the terminal", "busquery-cli");
    app.fallthrough();
    app.require_subcommand(1);
    app.add_option("--db", context.dbOption, "Bus database (default: busdata beside the program)");
    app.add_option("--format", context.formatOption, "Output format")
        ->check(CLI::IsMember({"text", "ansi", "json"}));

    addQueryCommands(app, context, action);
    addStationCommands(app, context, action);
    addBatchCommand(app, context, action);
    addImportGtfsCommand(app, context, action);
    addSampleCommand(app, context, action);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        err << "busquery-cli: " << e.what() << "（用法见 busquery-cli --help）\n";
        return kExitFailure;
    }

    try {
        return action();
    } catch (const Error& e) {
        err << "busquery-cli: " << e.what() << '\n';
    } catch (const std::exception& e) {
        err << "busquery-cli: 失败：" << e.what() << '\n';
    }
    return kExitFailure;
}

}  // namespace busquery::cli
