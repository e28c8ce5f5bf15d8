#include "store/FileStart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace busquery {

OpenedFile::OpenedFile(const std::filesystem::path& file)
    : fd_(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {
    struct stat status {};
    if (fd_ >= 0 && ::fstat(fd_, &status) == 0) {
        device_ = status.st_dev;
        inode_ = status.st_ino;
    }
}

OpenedFile::~OpenedFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool OpenedFile::is(const struct stat& status) const {
    return fd_ >= 0 && status.st_dev == device_ && status.st_ino == inode_;
}

std::optional<std::string> OpenedFile::readStart(std::size_t count) const {
    if (fd_ < 0) return std::nullopt;
    std::string bytes(count, '\0');
    std::size_t length = 0;
    while (length < count) {
        ssize_t got =
            ::pread(fd_, bytes.data() + length, count - length, static_cast<off_t>(length));
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        length += static_cast<std::size_t>(got);
    }
    bytes.resize(length);
    return bytes;
}

std::optional<std::string> readFileStart(const std::filesystem::path& file, std::size_t count) {
    return OpenedFile(file).readStart(count);
}

}  // namespace busquery
