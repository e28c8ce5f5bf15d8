#include "cli/CliApp.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <vector>

#include "cli/BatchCommand.h"
#include "cli/CliContext.h"
#include "cli/FailureMessage.h"
#include "cli/ImportGtfsCommand.h"
#include "cli/LineCommand.h"
#include "cli/LocaleLanguage.h"
#include "cli/QueryCommand.h"
#include "cli/RouteCommand.h"
#include "cli/SampleCommand.h"
#include "cli/StationCommand.h"
#include "cli/SuggestCommand.h"
#include "query/ErrorReport.h"
#include "query/Words.h"

namespace busquery::cli {
namespace {

// In the order --help lists them. Commands whose options check their values say what is wrong
// in the language --lang sets.
std::vector<std::unique_ptr<Command>> allCommands(const Language& language) {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<LineCommand>());
    commands.push_back(std::make_unique<RouteCommand>(language));
    commands.push_back(std::make_unique<QueryCommand>());
    commands.push_back(std::make_unique<SuggestCommand>());
    commands.push_back(std::make_unique<StationCommand>());
    commands.push_back(std::make_unique<BatchCommand>());
    commands.push_back(std::make_unique<ImportGtfsCommand>());
    commands.push_back(std::make_unique<SampleCommand>(language));
    return commands;
}

int fail(CliContext& context, const std::string& message) {
    context.err << "busquery-cli: " << message << '\n';
    return kExitFailure;
}

}  // namespace

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err) {
    CliContext context{in, out, err};
    context.language = localeLanguage();

    CLI::App app("Velmorina bus and metro enquiry from the terminal", "busquery-cli");
    app.fallthrough();
    app.require_subcommand(1);
    CLI::Option* db = app.add_option(
        "--db", context.dbOption,
        "Bus database (default: the file BUSQUERY_DB names, else busdata beside the program)");
    app.add_option("--format", context.formatOption, "Output format")
        ->check(CLI::IsMember({"text", "ansi", "json"}));
    app.add_option_function<std::string>(
           "--lang",
           [&context](const std::string& code) { context.language = *languageNamed(code); },
           "Language of the answers and messages (default: the locale's when it is one of "
           "these, else zh)")
        ->check(CLI::IsMember({"zh", "en"}));
    app.add_flag(
        "--verbose", context.verbose,
        "Also report on stderr the rows of the data file that were left out, and the cause of a "
        "failure in SQLite's or the system's own words");

    const auto commands = allCommands(context.language);
    for (const auto& command : commands) {
        command->addOptions(*app.add_subcommand(command->name(), command->description()));
    }

    Command* chosen = nullptr;
    try {
        app.parse(argc, argv);
        for (const auto& command : commands) {
            if (app.got_subcommand(command->name())) chosen = command.get();
        }
    } catch (const CLI::CallForHelp& e) {
        out << app.help();
    } catch (const CLI::ParseError& e) {
        err << "busquery-cli: " << e.what()
            << tr(context.language, "Cli", "（用法见 busquery-cli --help）") << '\n';
        return kExitFailure;
    }
    // An empty name would quietly mean busdata beside the program: not what was asked for.
    if (db->count() > 0 && context.dbOption.empty()) {
        return fail(context, tr(context.language, "Cli", "--db 须给出数据库文件，不能是空的文本"));
    }

    try {
        int status = chosen ? chosen->run(context) : kExitListed;
        context.flushOutput();
        return status;
    } catch (...) {
        const ErrorReport report = reportError(std::current_exception(), context.language);
        fail(context, report.message);
        writeCause(context, report);
        return kExitFailure;
    }
}

}  // namespace busquery::cli
