#pragma once

#include <string>

#include "cli/Command.h"
#include "query/Language.h"
#include "sample/SampleCity.h"

namespace busquery::cli {

// sample OUT [--seed N] [--scale K]: writes the generated sample city as a new bus database.
class SampleCommand : public Command {
  public:
    // language is the context's, which --lang sets before the options of a command are checked.
    explicit SampleCommand(const Language& language);
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    const Language& language_;
    std::string out_;
    SampleCityOptions options_;
};

}  // namespace busquery::cli
