#pragma once

#include <string>

#include "cli/Command.h"
#include "query/Language.h"

namespace busquery::cli {

// route FROM TO [--at TIME | --arrive-by TIME]: the direct lines, or else the plans with one
// change, as the route boxes answer; with a time, the journeys by the clock.
class RouteCommand : public Command {
  public:
    // language is the context's, which --lang sets before the options of a command are checked.
    explicit RouteCommand(const Language& language);
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    const Language& language_;
    std::string from_;
    std::string to_;
    std::string at_;
    std::string arriveBy_;
};

}  // namespace busquery::cli
