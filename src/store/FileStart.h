#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

struct stat;

namespace busquery {

// A file kept open for reading its first bytes again and again: a query checks the data file's
// header before every answer, and opening and closing it each time would cost more than the
// answer. Opens without blocking, so a pipe put in the file's place never stalls the caller.
class OpenedFile {
  public:
    explicit OpenedFile(const std::filesystem::path& file);
    ~OpenedFile();
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Whether the path's status names this very file (device and inode), not a replacement.
    bool is(const struct stat& status) const;
    // Up to count bytes from the start (fewer when the file is shorter); nothing on a failure.
    std::optional<std::string> readStart(std::size_t count) const;

  private:
    int fd_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

// Up to count bytes from the start of a regular file; nothing when it cannot be opened or read.
std::optional<std::string> readFileStart(const std::filesystem::path& file, std::size_t count);

}  // namespace busquery
