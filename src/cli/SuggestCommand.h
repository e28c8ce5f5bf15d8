#pragma once

#include <string>

#include "cli/Command.h"

namespace busquery::cli {

// suggest TEXT: the suggestion list a station box shows for TEXT, one line per item.
class SuggestCommand : public Command {
  public:
    SuggestCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    std::string boxText_;
};

}  // namespace busquery::cli
