#include "store/FileIdentity.h"

#include <sys/stat.h>

#include "store/DatabaseHeader.h"

namespace busquery {
namespace {

std::int64_t nanoseconds(const struct timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

std::optional<FileIdentity> FileIdentity::of(const std::filesystem::path& file,
                                             const OpenedFile* kept) {
    struct stat st {};
    // Only a regular file is ever opened: opening a pipe or a device may block or act on it.
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    auto start = kept && kept->is(st) ? kept->readStart(DatabaseHeader::kSize)
                                      : readFileStart(file, DatabaseHeader::kSize);
    if (!start) return std::nullopt;
    DatabaseHeader header(std::move(*start));

    FileIdentity id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = static_cast<std::uintmax_t>(st.st_size);
    id.modifiedNs = nanoseconds(st.st_mtim);
    id.changedNs = nanoseconds(st.st_ctim);
    id.changeCounter = header.changeCounter();
    id.schemaCookie = header.schemaCookie();
    if (header.isSqlite() && header.usesWriteAheadLog()) {
        auto log = file;
        log += "-wal";
        struct stat logStat {};
        if (::stat(log.c_str(), &logStat) == 0) {
            id.logSize = static_cast<std::uintmax_t>(logStat.st_size);
            id.logModifiedNs = nanoseconds(logStat.st_mtim);
        }
    }
    return id;
}

}  // namespace busquery
