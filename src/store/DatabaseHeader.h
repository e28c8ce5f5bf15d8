#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace busquery {

// The first bytes of an SQLite database file, read without SQLite: enough to tell an SQLite file
// from others, to see whether it keeps a write-ahead log, and to notice a new content whose size
// and modification time are those of the old one.
class DatabaseHeader {
  public:
    static constexpr std::size_t kSize = 100;

    explicit DatabaseHeader(std::string bytes) : bytes_(std::move(bytes)) {}

    bool isSqlite() const {
        return bytes_.size() >= kSize && std::string_view(bytes_).starts_with(kMagic);
    }
    // File format versions 2 for writing and reading: changes go to the "-wal" file first.
    bool usesWriteAheadLog() const { return byte(18) == 2 || byte(19) == 2; }
    // Incremented by every transaction that changes the file outside write-ahead logging.
    std::uint32_t changeCounter() const { return bigEndian(24); }
    // Incremented by every change of the schema.
    std::uint32_t schemaCookie() const { return bigEndian(40); }

  private:
    static constexpr std::string_view kMagic{"SQLite format 3\0", 16};

    unsigned char byte(std::size_t at) const {
        return at < bytes_.size() ? static_cast<unsigned char>(bytes_[at]) : 0;
    }
    std::uint32_t bigEndian(std::size_t at) const {
        return std::uint32_t{byte(at)} << 24 | std::uint32_t{byte(at + 1)} << 16 |
               std::uint32_t{byte(at + 2)} << 8 | std::uint32_t{byte(at + 3)};
    }

    std::string bytes_;
};

}  // namespace busquery
