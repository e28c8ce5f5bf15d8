#include "store/FileIdentity.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/TempDir.h"

namespace busquery {
namespace {

using test::TempDir;

// The first 100 bytes of an SQLite file with the given version bytes, change counter and schema
// cookie.
std::string header(unsigned char version, std::uint32_t counter, std::uint32_t cookie) {
    std::string bytes("SQLite format 3\0", 16);
    bytes.resize(100, '\0');
    bytes[18] = bytes[19] = static_cast<char>(version);
    for (int i = 0; i < 4; ++i) {
        bytes[24 + i] = static_cast<char>(counter >> (24 - 8 * i));
        bytes[40 + i] = static_cast<char>(cookie >> (24 - 8 * i));
    }
    return bytes;
}

void write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(FileIdentity, ReadsTheChangeCounterAndSchemaCookieOfTheHeader) {
    TempDir dir;
    struct Case {
        std::string bytes;
        std::uint32_t counter;
        std::uint32_t cookie;
    };
    const Case cases[] = {
        {header(1, 0x01020304, 0xA0B1C2D3), 0x01020304, 0xA0B1C2D3},
        {header(2, 0xFFFFFFFE, 7), 0xFFFFFFFE, 7},
        {header(1, 5, 6).substr(0, 30), 5, 0},  // cut short: what is there still counts
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        write(dir / "busdata", c.bytes);
        auto identity = FileIdentity::of(dir / "busdata");
        ASSERT_TRUE(identity) << c.bytes.size();
        EXPECT_EQ(identity->size, c.bytes.size());
        EXPECT_EQ(identity->changeCounter, c.counter) << c.bytes.size();
        EXPECT_EQ(identity->schemaCookie, c.cookie) << c.bytes.size();
        EXPECT_EQ(FileIdentity::of(dir / "busdata"), identity);
    }
}

TEST(FileIdentity, IsNothingForWhatCannotBeAReadableDataFile) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);  // opening it would block
    for (const auto& file :
         {dir / "missing", dir / "folder", dir / "fifo", std::filesystem::path("/dev/null")}) {
        EXPECT_FALSE(FileIdentity::of(file)) << file;
    }
}

}  // namespace
}  // namespace busquery
