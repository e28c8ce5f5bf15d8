#pragma once

#include <cstddef>
#include <cstdint>

namespace busquery {

// One file of a feed, read front to back in chunks, whether it lies in a folder or in a zip
// archive.
class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // Fills buffer with up to size bytes and returns how many; 0 at the end of the file.
    // Throws Error naming the file when it cannot be read.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;

    // Bytes the file holds (uncompressed), for progress reports.
    virtual std::uint64_t size() const = 0;
};

}  // namespace busquery
