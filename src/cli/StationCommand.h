#pragma once

#include <string>

#include "cli/Command.h"

namespace busquery::cli {

// station TEXT [--pick LINE]: the stations whose name contains TEXT, with their lines, as the
// station-lookup box answers.
class StationCommand : public Command {
  public:
    StationCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    std::string text_;
    std::string pickedLine_;
};

}  // namespace busquery::cli
