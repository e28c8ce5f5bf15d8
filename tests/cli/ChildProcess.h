#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace busquery::test {

// What a finished child process left behind.
struct ChildRun {
    int status;  // the exit status, or -1 when the child did not exit normally
    std::string out;
    std::string err;
};

// Runs program with args, input on its standard input, and waits for it. Standard output goes to
// stdoutFile when one is named (its content is then not read back), else it is captured.
ChildRun runChild(const std::filesystem::path& program, const std::vector<std::string>& args,
                  const std::string& input = "", const std::filesystem::path& stdoutFile = {});

}  // namespace busquery::test
