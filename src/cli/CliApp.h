#pragma once

#include <iosfwd>

namespace busquery::cli {

// busquery-cli as a function of its arguments and streams; returns the exit status.
int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace busquery::cli
