#pragma once

#include <string>

#include "cli/Command.h"

namespace busquery::cli {

// line NAME: the lines whose name begins with NAME, as the line box answers.
class LineCommand : public Command {
  public:
    LineCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    std::string lineName_;
};

}  // namespace busquery::cli
