#include "store/FileStart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace busquery {
namespace {

class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::filesystem::path& file)
        : fd_(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
    ~ReadOnlyFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::optional<std::string> readFileStart(const std::filesystem::path& file, std::size_t count) {
    ReadOnlyFile opened(file);
    if (opened.fd() < 0) return std::nullopt;
    std::string bytes(count, '\0');
    std::size_t length = 0;
    while (length < count) {
        ssize_t got =
            ::pread(opened.fd(), bytes.data() + length, count - length, static_cast<off_t>(length));
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        length += static_cast<std::size_t>(got);
    }
    bytes.resize(length);
    return bytes;
}

}  // namespace busquery
