#pragma once

#include <CLI/CLI.hpp>

#include <functional>

#include "cli/CliContext.h"

namespace busquery::cli {

// sample OUT [--seed N] [--scale K]: writes the generated sample city as a new bus database.
void addSampleCommand(CLI::App& app, CliContext& context, std::function<int()>& action);

}  // namespace busquery::cli
