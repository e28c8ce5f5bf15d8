#pragma once

#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace busquery::test {

// A process id that no process holds: a child that has already ended and been reaped.
inline pid_t endedProcessId() {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// The name under which a process writes target before moving it into place.
inline std::string stagedName(const std::string& target, pid_t pid, const std::string& suffix) {
    return "." + target + ".importing-" + std::to_string(pid) + "-" + suffix;
}

// Dangling links at the names this process would once have staged target under, all pointing
// at victim: a writer that follows any of them creates victim.
inline void plantStagedLinks(const std::filesystem::path& folder, const std::string& target,
                             const std::filesystem::path& victim) {
    for (int n = 0; n < 100; ++n) {
        std::filesystem::create_symlink(victim,
                                        folder / stagedName(target, ::getpid(), std::to_string(n)));
    }
}

// For a death test: the signal does what it does by default, and dumps no core.
inline void defaultSignal(int signal) {
    std::signal(signal, SIG_DFL);
    rlimit none{0, 0};
    ::setrlimit(RLIMIT_CORE, &none);
}

}  // namespace busquery::test
