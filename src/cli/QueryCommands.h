#pragma once

#include <CLI/CLI.hpp>

#include <functional>

#include "cli/CliContext.h"

namespace busquery::cli {

// line NAME, route FROM TO, and query [--line T] [--station T] [--from T] [--to T] [--pick LINE].
void addQueryCommands(CLI::App& app, CliContext& context, std::function<int()>& action);

}  // namespace busquery::cli
