#pragma once

#include <CLI/CLI.hpp>

#include <functional>

#include "cli/CliContext.h"

namespace busquery::cli {

// batch: one JSON request per input line, one JSON answer per output line, in order.
void addBatchCommand(CLI::App& app, CliContext& context, std::function<int()>& action);

}  // namespace busquery::cli
