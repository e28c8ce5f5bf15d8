#pragma once

#include "cli/CliContext.h"
#include "query/ErrorReport.h"

namespace busquery::cli {

// With --verbose, the cause of a failure the CLI reported (reportError's detail: SQLite's or the
// system's own words) on stderr, on a line of its own after the message: "busquery-cli: 原因：…".
void writeCause(CliContext& context, const ErrorReport& report);

}  // namespace busquery::cli
