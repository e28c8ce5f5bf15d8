#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace busquery {

// What tells one content of busdata from the next without reading it: a replaced file gets a new
// inode, a rewritten one a new size or modification time.
struct FileIdentity {
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;

    bool operator==(const FileIdentity&) const = default;

    // Nothing when the file cannot be stat'ed.
    static std::optional<FileIdentity> of(const std::filesystem::path& file);
};

}  // namespace busquery
