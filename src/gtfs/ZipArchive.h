#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gtfs/ByteSource.h"

struct zip;

namespace busquery {

// A zip archive opened for reading through libzip; entries are read as streams, so a large
// stop_times.txt is never unpacked into memory or onto the disk.
class ZipArchive {
  public:
    // Throws Error naming the file when it is missing or not a zip archive.
    explicit ZipArchive(std::filesystem::path file);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // The names of the entries, by index.
    std::vector<std::string> entryNames() const;

    // A stream of the entry's uncompressed content; the archive must outlive it.
    std::unique_ptr<ByteSource> open(std::uint64_t index) const;

  private:
    std::filesystem::path file_;
    struct zip* zip_ = nullptr;
};

}  // namespace busquery
