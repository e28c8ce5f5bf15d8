#pragma once

#include <csignal>
#include <filesystem>

namespace busquery {

// A file built under a temporary name beside its final place and moved there in one step by
// commit(), so the final place holds either its old content or the complete new file. The
// temporary file is removed when the object goes away uncommitted, and also when the process
// is interrupted (SIGINT, SIGTERM, SIGHUP) while the object lives; the signal then takes its
// default course. One staged file at a time is guarded against interruption.
class StagedFile {
  public:
    // Throws Error when target is a folder or its folder does not exist.
    explicit StagedFile(std::filesystem::path target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Where to write; nothing exists there yet.
    const std::filesystem::path& path() const { return temporary_; }
    const std::filesystem::path& target() const { return target_; }

    // Moves the temporary file onto target, replacing what was there.
    // Throws Error when it cannot; the temporary file is then still removed later.
    void commit();

  private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool committed_ = false;
    bool guarded_ = false;
    struct sigaction previous_[3] = {};
};

}  // namespace busquery
