#pragma once

#include <CLI/CLI.hpp>

#include <functional>

#include "cli/CliContext.h"

namespace busquery::cli {

// import-gtfs FEED OUT [--city CODE] [--date TEXT]: writes a bus database from a GTFS feed and
// prints what was imported and skipped; a progress bar on a terminal's standard error.
void addImportGtfsCommand(CLI::App& app, CliContext& context, std::function<int()>& action);

}  // namespace busquery::cli
