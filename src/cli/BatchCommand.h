#pragma once

#include "cli/Command.h"

namespace busquery::cli {

// batch: one JSON request per input line, one JSON answer per output line, in order. A line
// that cannot be answered gets {"error": TEXT}, and the batch goes on.
class BatchCommand : public Command {
  public:
    BatchCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;
};

}  // namespace busquery::cli
