#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "cli/CliContext.h"

namespace busquery::cli {

// One subcommand of busquery-cli: its name, its arguments and options, and what it does.
class Command {
  public:
    Command(std::string name, std::string description)
        : name_(std::move(name)), description_(std::move(description)) {}
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    const std::string& name() const { return name_; }
    const std::string& description() const { return description_; }

    // Declares the arguments and options on the command's own part of the command line; the
    // parsed values are kept in the command for run.
    virtual void addOptions(CLI::App& command) = 0;
    // Writes the command's answer to the context's output; returns the exit status. Failures
    // are thrown as Error.
    virtual int run(CliContext& context) = 0;

  private:
    std::string name_;
    std::string description_;
};

}  // namespace busquery::cli
