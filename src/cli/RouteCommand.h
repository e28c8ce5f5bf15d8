#pragma once

#include <string>

#include "cli/Command.h"

namespace busquery::cli {

// route FROM TO: the direct lines, or else the plans with one change, as the route boxes answer.
class RouteCommand : public Command {
  public:
    RouteCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    std::string from_;
    std::string to_;
};

}  // namespace busquery::cli
