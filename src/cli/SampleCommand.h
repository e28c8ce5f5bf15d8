#pragma once

#include <string>

#include "cli/Command.h"
#include "sample/SampleCity.h"

namespace busquery::cli {

// sample OUT [--seed N] [--scale K]: writes the generated sample city as a new bus database.
class SampleCommand : public Command {
  public:
    SampleCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    std::string out_;
    SampleCityOptions options_;
};

}  // namespace busquery::cli
