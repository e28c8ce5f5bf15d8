#pragma once

#include <csignal>
#include <cstddef>
#include <filesystem>

namespace busquery {

// A file built under a temporary name beside its final place and moved there in one step by
// commit(), so the final place holds either its old content or the complete new file.
//
// The temporary file lies in a folder of its own, made afresh in the target's folder and open to
// its owner alone, so nobody else can put a link where it is written or moved from. The folder
// is named ".NAME.importing-PID-XXXXXX" after the target and this process. It is removed when
// the object goes away uncommitted, and also when the process is ended, while the object lives,
// by a signal that can be caught (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1, …); the
// signal then takes its default course; signals the process ignores or handles itself are left
// to it. One staged
// file at a time is guarded against signals. What processes that no longer run left staged in
// the target's folder (after SIGKILL or a power cut) is removed when the next one is made there.
class StagedFile {
  public:
    // Throws Error when target is empty, a folder or some other thing than a file, when its
    // folder does not exist, or when nothing can be written there.
    explicit StagedFile(std::filesystem::path target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Where to write; nothing exists there yet.
    const std::filesystem::path& path() const { return temporary_; }
    const std::filesystem::path& target() const { return target_; }

    // Moves the temporary file onto target, replacing what was there, once its content is on
    // the disk. Throws Error when it cannot; the temporary file is then still removed later.
    void commit();

  private:
    static constexpr std::size_t kSignalCount = 13;

    void guard();
    void unguard();

    std::filesystem::path target_;
    std::filesystem::path folder_;  // made for the temporary file alone
    std::filesystem::path temporary_;
    bool guarded_ = false;
    bool installed_[kSignalCount] = {};
    struct sigaction previous_[kSignalCount] = {};
};

}  // namespace busquery
