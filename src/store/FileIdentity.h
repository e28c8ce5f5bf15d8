#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "store/FileStart.h"

namespace busquery {

// What tells one content of busdata from the next without reading it all: a replaced file gets
// a new inode, a rewritten one a new size, modification or change time, and SQLite counts every
// change in the database header, which catches a rewrite whose times were set back as well.
// A file in write-ahead-log mode takes its committed changes into "busdata-wal" first, so that
// file's size and time count too.
struct FileIdentity {
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint32_t changeCounter = 0;
    std::uint32_t schemaCookie = 0;
    std::uintmax_t logSize = 0;
    std::int64_t logModifiedNs = 0;

    bool operator==(const FileIdentity&) const = default;

    // A stat and one read of the first 100 bytes (and a stat of the log in write-ahead-log
    // mode). Nothing when the file cannot be read or is not a regular file. The header is read
    // through `kept` when that is still the file the path names.
    static std::optional<FileIdentity> of(const std::filesystem::path& file,
                                          const OpenedFile* kept = nullptr);
};

}  // namespace busquery
