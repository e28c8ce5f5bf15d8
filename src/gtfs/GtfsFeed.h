#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "gtfs/ByteSource.h"
#include "gtfs/ZipArchive.h"

namespace busquery {

// The files of a GTFS feed: a zip archive or a folder of .txt files. Archives that keep the
// files in a folder of their own (zipped from the folder above it) are read the same way.
// File names match without regard to ASCII letter case.
class GtfsFeed {
  public:
    // Throws Error when the location does not exist or is not a readable archive.
    explicit GtfsFeed(std::filesystem::path location);
    ~GtfsFeed();

    const std::filesystem::path& location() const { return location_; }

    bool has(std::string_view fileName) const;

    // Throws Error naming the feed and the file when the feed lacks it.
    std::unique_ptr<ByteSource> open(std::string_view fileName) const;

  private:
    std::filesystem::path location_;
    std::unique_ptr<ZipArchive> zip_;
    std::map<std::string, std::uint64_t> zipEntries_;           // lower-case file name → entry
    std::map<std::string, std::filesystem::path> folderFiles_;  // lower-case file name → file
};

}  // namespace busquery
