#include "store/StagedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "store/Error.h"
#include "store/SystemErrorText.h"

namespace busquery {
namespace {

// The signals that end a process unless it catches them, and that it can catch.
constexpr int kSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGABRT, SIGUSR1,   SIGUSR2, SIGPIPE,
                            SIGALRM, SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF};

constexpr std::string_view kStagedMark = ".importing-";

// What the signal handler may touch: fixed buffers and flags, no allocation.
char pendingFile[4096];
char pendingFolder[4096];
volatile std::sig_atomic_t pendingFileActive = 0;
volatile std::sig_atomic_t pendingFolderActive = 0;
std::atomic<bool> guardTaken{false};

extern "C" void removePending(int signal) {
    if (pendingFileActive != 0) ::unlink(pendingFile);
    if (pendingFolderActive != 0) ::rmdir(pendingFolder);
    // The handler was installed with SA_RESETHAND: raising again ends the process the way the
    // signal would have without us.
    ::raise(signal);
}

// The process in the name of a staged folder (".NAME.importing-PID-XXXXXX") or of a staged file
// as earlier versions left them (".NAME.importing-PID-N").
std::optional<pid_t> stagedOwner(std::string_view name) {
    std::size_t mark = name.rfind(kStagedMark);
    if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2) return std::nullopt;
    std::string_view rest = name.substr(mark + kStagedMark.size());
    std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash + 1 == rest.size()) return std::nullopt;
    pid_t pid = 0;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, pid);
    if (error != std::errc{} || end != rest.data() + dash || pid <= 0) return std::nullopt;
    return pid;
}

// Removes the staged files and folders in folder whose process no longer runs. Only what this
// user owns and what is a file or a folder: a link is nobody's staged file. Best effort: a
// failure here must not stop the writing.
void removeAbandoned(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> abandoned;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::optional<pid_t> owner = stagedOwner(it->path().filename().string());
        if (!owner || *owner == ::getpid()) continue;
        // EPERM means a process that runs under another user.
        if (::kill(*owner, 0) == 0 || errno != ESRCH) continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || info.st_uid != ::geteuid()) continue;
        if (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) abandoned.push_back(it->path());
    }
    for (const auto& path : abandoned) std::filesystem::remove_all(path, ec);
}

// Waits until what was written to file is on the disk.
bool syncToDisk(const std::filesystem::path& file, int flags) {
    int descriptor = ::open(file.c_str(), flags | O_CLOEXEC);
    if (descriptor < 0) return false;
    bool synced = ::fsync(descriptor) == 0;
    int error = errno;
    ::close(descriptor);
    errno = error;
    return synced;
}

}  // namespace

StagedFile::StagedFile(std::filesystem::path target) : target_(std::move(target)) {
    static_assert(std::size(kSignals) == kSignalCount);
    const ErrorText shown = ErrorText::value(target_.string());
    if (target_.empty()) throw Error(ErrorKind::BadArgument, "没有指定要写入的数据文件");
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(target_, ec);
    if (std::filesystem::is_directory(status)) {
        throw Error(ErrorKind::NotAFile, {"“%1” 是一个文件夹，不能作为数据文件", {shown}});
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw Error(ErrorKind::NotAFile, {"“%1” 不是普通文件，不能作为数据文件", {shown}});
    }
    std::filesystem::path folder = target_.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        throw Error(ErrorKind::FileMissing,
                    {"文件夹 “%1” 不存在", {ErrorText::value(folder.string())}});
    }
    if (folder.empty()) folder = ".";

    removeAbandoned(folder);
    std::string name = "." + target_.filename().string() + std::string(kStagedMark) +
                       std::to_string(::getpid()) + "-XXXXXX";
    std::string made = (folder / name).string();
    if (::mkdtemp(made.data()) == nullptr) {
        const int errorNumber = errno;
        throw Error(
            isPermissionError(errorNumber) ? ErrorKind::NoPermission : ErrorKind::WriteFailed,
            {"无法在文件夹 “%1” 中写入：%2",
             {ErrorText::value(folder.string()), systemErrorText(errorNumber)}},
            systemErrorDetail(errorNumber));
    }
    folder_ = made;
    temporary_ = folder_ / target_.filename();
    guard();
}

StagedFile::~StagedFile() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
    unguard();
}

void StagedFile::commit() {
    // The content reaches the disk before the name does: after a crash or a power cut, target
    // holds the old file or the new one, never a part of it.
    if (!syncToDisk(temporary_, O_RDONLY | O_NOFOLLOW) ||
        ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int errorNumber = errno;
        throw Error(
            isPermissionError(errorNumber) ? ErrorKind::NoPermission : ErrorKind::WriteFailed,
            {"无法把数据文件写到 “%1”：%2",
             {ErrorText::value(target_.string()), systemErrorText(errorNumber)}},
            systemErrorDetail(errorNumber));
    }
    pendingFileActive = 0;
    syncToDisk(target_.parent_path().empty() ? "." : target_.parent_path(), O_RDONLY | O_DIRECTORY);
}

void StagedFile::guard() {
    std::string file = temporary_.string();
    std::string folder = folder_.string();
    bool expected = false;
    if (file.size() >= sizeof pendingFile || !guardTaken.compare_exchange_strong(expected, true)) {
        return;
    }
    std::memcpy(pendingFile, file.c_str(), file.size() + 1);
    std::memcpy(pendingFolder, folder.c_str(), folder.size() + 1);
    pendingFileActive = 1;
    pendingFolderActive = 1;
    struct sigaction action = {};
    action.sa_handler = removePending;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        // Only a signal that would end the process is ours to catch. One the caller ignores
        // (nohup ignores SIGHUP) or handles itself (a timer's SIGALRM) must not end it now.
        struct sigaction current = {};
        if (sigaction(kSignals[i], nullptr, &current) != 0) continue;
        if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
        installed_[i] = sigaction(kSignals[i], &action, &previous_[i]) == 0;
    }
    guarded_ = true;
}

void StagedFile::unguard() {
    if (!guarded_) return;
    pendingFileActive = 0;
    pendingFolderActive = 0;
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        if (installed_[i]) sigaction(kSignals[i], &previous_[i], nullptr);
    }
    guardTaken = false;
}

}  // namespace busquery
