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
// Standard output goes to out; the result's out stays empty.
inline CliRun runCliInto(std::ostream& out, std::vector<std::string> args,
                         const std::string& input = "") {
    args.insert(args.begin(), "busquery-cli");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream err;
    int status = cli::runCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, {}, err.str()};
}

inline CliRun runCliWith(std::vector<std::string> args, const std::string& input = "") {
    std::ostringstream out;
    CliRun run = runCliInto(out, std::move(args), input);
    run.out = out.str();
    return run;
}

}  // namespace busquery::test
