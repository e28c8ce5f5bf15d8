#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliApp.h"

namespace busquery::test {

// What one run of busquery-cli left behind.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs busquery-cli in-process with args (the program name is added) and the given standard input.
inline CliRun runCliWith(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "busquery-cli");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    int status = cli::runCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace busquery::test
