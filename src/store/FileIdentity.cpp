#include "store/FileIdentity.h"

#include <sys/stat.h>

namespace busquery {

std::optional<FileIdentity> FileIdentity::of(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return std::nullopt;
    FileIdentity id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = static_cast<std::uintmax_t>(st.st_size);
    id.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return id;
}

}  // namespace busquery
