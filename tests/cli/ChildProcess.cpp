#include "cli/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "support/TempDir.h"

extern char** environ;

namespace busquery::test {
namespace {

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// posix_spawn_file_actions_t, destroyed with its scope.
class FileActions {
  public:
    FileActions() { ::posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { ::posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;

    void open(int fd, const std::filesystem::path& file, int flags) {
        if (::posix_spawn_file_actions_addopen(&actions_, fd, file.c_str(), flags, 0600) != 0) {
            throw std::runtime_error("posix_spawn_file_actions_addopen failed");
        }
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

ChildRun runChild(const std::filesystem::path& program, const std::vector<std::string>& args,
                  const std::string& input, const std::filesystem::path& stdoutFile) {
    // Files rather than pipes: the child can write as much as it likes without waiting for us.
    TempDir streams;
    std::ofstream(streams / "in", std::ios::binary) << input;
    const std::filesystem::path out = stdoutFile.empty() ? streams / "out" : stdoutFile;

    FileActions actions;
    actions.open(0, streams / "in", O_RDONLY);
    actions.open(1, out, O_WRONLY | O_CREAT | O_TRUNC);
    actions.open(2, streams / "err", O_WRONLY | O_CREAT | O_TRUNC);

    std::vector<std::string> words{program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("posix_spawn failed: " + program.string());
    }
    int wstatus = 0;
    if (::waitpid(pid, &wstatus, 0) != pid) throw std::runtime_error("waitpid failed");

    ChildRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    run.out = stdoutFile.empty() ? readFile(out) : std::string();
    run.err = readFile(streams / "err");
    return run;
}

}  // namespace busquery::test
