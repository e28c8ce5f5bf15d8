#include "gtfs/CsvTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "gtfs/HeapInUse.h"
#include "store/Error.h"

namespace busquery {
namespace {

using test::heapInUse;
using ::testing::ElementsAre;

// Text handed out in pieces of at most chunk bytes, so records and fields cross read boundaries.
class TextSource : public ByteSource {
  public:
    TextSource(std::string text, std::size_t chunk) : text_(std::move(text)), chunk_(chunk) {}

    std::size_t read(char* buffer, std::size_t size) override {
        std::size_t n = std::min({size, chunk_, text_.size() - at_});
        std::memcpy(buffer, text_.data() + at_, n);
        at_ += n;
        return n;
    }
    std::uint64_t size() const override { return text_.size(); }

  private:
    std::string text_;
    std::size_t chunk_;
    std::size_t at_ = 0;
};

// Columns a, b and c of every row as "line:a|b|c".
std::vector<std::string> readRows(const std::string& text, std::size_t chunk) {
    CsvTable table("test.txt", std::make_unique<TextSource>(text, chunk));
    auto a = table.column("a");
    auto b = table.column("b");
    auto c = table.column("c");
    std::vector<std::string> rows;
    table.forEachRow([&](const CsvRow& row) {
        rows.push_back(std::to_string(row.line()) + ":" + std::string(row[a]) + "|" +
                       std::string(row[b]) + "|" + std::string(row[c]));
    });
    return rows;
}

TEST(GtfsCsvTableTest, ReadsTheSameRowsWhateverTheFileLooksLike) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"plain", "a,b,c\n1,x,y\n2,z,w\n", {"2:1|x|y", "3:2|z|w"}},
        {"byte order mark and CRLF",
         "\xEF\xBB\xBF"
         "a,b,c\r\n1,x,y\r\n2,z,w\r\n",
         {"2:1|x|y", "3:2|z|w"}},
        {"quoted mark of a quoted first name", "\xEF\xBB\xBF\"a\",b,c\n1,x,y\n", {"2:1|x|y"}},
        {"quotes, commas and line breaks inside fields",
         "a,b,c\n1,\"x, y\",\"one\r\ntwo\"\n2,\"say \"\"hi\"\"\",\n",
         {"2:1|x, y|one\r\ntwo", "4:2|say \"hi\"|"}},
        {"columns in any order, extra columns, names in any case",
         "extra,C, B ,A\nq,y,x,1\n",
         {"2:1|x|y"}},
        {"blank lines, short rows, no final line break",
         "a,b,c\n\n1,x\n\n2\n ,, \n3,x,y",
         {"3:1|x|", "5:2||", "7:3|x|y"}},
        {"blanks around unquoted fields go, quoted blanks stay",
         "a,b,c\n 1 ,\" x \",\ty\n",
         {"2:1| x |y"}},
        {"header only", "a,b,c", {}},
    };
    for (const Case& c : cases) {
        for (std::size_t chunk :
             {std::size_t{1}, std::size_t{3}, std::size_t{7}, std::size_t{1} << 20}) {
            SCOPED_TRACE(std::string(c.name) + ", chunks of " + std::to_string(chunk));
            EXPECT_EQ(readRows(c.text, chunk), c.rows);
        }
    }
}

TEST(GtfsCsvTableTest, RequiredColumnsAndEmptyFilesAreNamedInTheError) {
    CsvTable table("stops.txt", std::make_unique<TextSource>("stop_id,stop_name\n", 64));
    EXPECT_EQ(table.requireColumn("STOP_NAME"), 1u);
    EXPECT_FALSE(table.column("parent_station"));
    try {
        table.requireColumn("stop_lat");
        FAIL() << "no error for a missing column";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "stops.txt 缺少必需的列 stop_lat");
    }
    for (const char* empty : {"", "\xEF\xBB\xBF", "\n\r\n"}) {
        EXPECT_THROW(CsvTable("trips.txt", std::make_unique<TextSource>(empty, 64)), Error);
    }
}

TEST(GtfsCsvTableTest, AnErrorOfTheCallerEndsTheReading) {
    CsvTable table("t.txt", std::make_unique<TextSource>("a\n1\n2\n3\n", 64));
    std::vector<std::string> seen;
    auto onRow = [&](const CsvRow& row) {
        seen.emplace_back(row[0]);
        if (seen.size() == 2) throw std::runtime_error("enough");
    };
    EXPECT_THROW(table.forEachRow(onRow), std::runtime_error);
    EXPECT_THAT(seen, ElementsAre("1", "2"));
}

// A field's text as a test shows it: long ones by their length.
std::string shown(std::string_view field) {
    return field.size() > 16 ? "<" + std::to_string(field.size()) + " bytes>" : std::string(field);
}

// Fields up to the limits are read whole; a record beyond them is left out and reported with
// the line it starts on, and the records after it are read as usual.
TEST(GtfsCsvTableTest, RecordsBeyondTheLimitsAreLeftOutAndReported) {
    const std::string longest(kMaxFieldBytes, 'x');
    std::string manyLines;
    for (int i = 0; i < 25000; ++i) manyLines += "a,\n";
    auto fields = [](std::size_t count) {
        std::string text = "1,x,y";
        for (std::size_t i = 3; i < count; ++i) text += ",z";
        return text + "\n";
    };
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> rows;
        std::vector<std::string> skipped;  // line:reason:start
    };
    const Case cases[] = {
        {"a field of 64 KiB",
         "a,b,c\n1," + longest + ",y\n2,z\n",
         {"2:1|<65536 bytes>|y", "3:2|z|"},
         {}},
        {"a quoted field of 64 KiB",
         "a,b,c\n1,\"" + longest + "\" ,y\n",
         {"2:1|<65536 bytes>|y"},
         {}},
        {"a byte more",
         "a,b,c\n1," + longest + "x,y\n2,z\n",
         {"3:2|z|"},
         {"2:字段超过 64 KiB:1,xxxxxxxx"}},
        {"a long quoted field of line breaks, commas and quotes",
         "a,b,c\n1,\"" + manyLines + "\"\"\",y\n2,z\n",
         {"25003:2|z|"},
         {"2:字段超过 64 KiB:1,a,\na,\na,"}},
        {"blanks after a long quoted field",
         "a,b,c\n1,\"" + longest + "x\"" + std::string(100, ' ') + ",y\n2,z\n",
         {"3:2|z|"},
         {"2:字段超过 64 KiB:1,xxxxxxxx"}},
        {"a long last field without a line end",
         "a,b,c\n2,z\n1," + longest + "x",
         {"2:2|z|"},
         {"3:字段超过 64 KiB:1,xxxxxxxx"}},
        {"1000 fields", "a,b,c\n" + fields(1000), {"2:1|x|y"}, {}},
        {"1001 fields",
         "a,b,c\n" + fields(1001) + "2,z\n",
         {"3:2|z|"},
         {"2:字段超过 1000 个:1,x,y,z,z,"}},
        {"5000 empty fields",
         "a,b,c\n" + std::string(5000, ',') + "\n",
         {},
         {"2:字段超过 1000 个:,,,,,,,,,,"}},
        {"two at once, reported once",
         "a,b,c\n" + longest + "x" + std::string(2000, ',') + "\n",
         {},
         {"2:字段超过 64 KiB:xxxxxxxxxx"}},
    };
    for (const Case& c : cases) {
        for (std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
            SCOPED_TRACE(std::string(c.name) + ", chunks of " + std::to_string(chunk));
            std::vector<std::string> skipped;
            CsvTable table("t.txt", std::make_unique<TextSource>(c.text, chunk),
                           [&](const SkippedRecord& record) {
                               EXPECT_LE(record.start.size(), 320u);
                               skipped.push_back(std::to_string(record.line) + ":" +
                                                 std::string(record.reason) + ":" +
                                                 std::string(record.start.substr(0, 10)));
                           });
            std::vector<std::string> rows;
            table.forEachRow([&](const CsvRow& row) {
                rows.push_back(std::to_string(row.line()) + ":" + shown(row[0]) + "|" +
                               shown(row[1]) + "|" + shown(row[2]));
            });
            EXPECT_EQ(rows, c.rows);
            EXPECT_EQ(skipped, c.skipped);
        }
    }
}

TEST(GtfsCsvTableTest, AHeaderBeyondTheLimitsIsAnError) {
    std::string wide = "a";
    for (int i = 1; i <= 1000; ++i) wide += ",c" + std::to_string(i);
    const std::pair<std::string, std::string> cases[] = {
        {"a," + std::string(kMaxFieldBytes + 1, 'h') + "\n1,2\n",
         "t.txt 表头中有超过 64 KiB 的字段"},
        {"\"" + std::string(8 << 20, 'h') + "\"\n1\n", "t.txt 表头中有超过 64 KiB 的字段"},
        {wide + "\n1\n", "t.txt 表头超过 1000 列"},
    };
    for (const auto& [text, message] : cases) {
        try {
            CsvTable("t.txt", std::make_unique<TextSource>(text, 1 << 20));
            ADD_FAILURE() << "no error for " << text.substr(0, 40);
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::BadData);
            EXPECT_EQ(e.what(), message);
        }
    }
}

// prefix, then count copies of filler, then suffix, made up while read, so a test can hand the
// table far more text than it keeps itself; notes the most heap in use at any read.
class GeneratedSource : public ByteSource {
  public:
    GeneratedSource(std::string prefix, std::string filler, std::uint64_t count, std::string suffix,
                    std::size_t& peakHeap)
        : parts_{std::move(prefix), std::move(filler), std::move(suffix)},
          count_(count),
          peakHeap_(peakHeap) {}

    std::size_t read(char* buffer, std::size_t size) override {
        peakHeap_ = std::max(peakHeap_, heapInUse());
        std::size_t done = 0;
        while (done < size && part_ < 3) {
            const std::string& part = parts_[part_];
            std::size_t n = std::min(size - done, part.size() - at_);
            std::memcpy(buffer + done, part.data() + at_, n);
            done += n;
            at_ += n;
            if (at_ < part.size()) continue;
            at_ = 0;
            if (part_ != 1 || ++repeats_ >= count_) ++part_;
        }
        return done;
    }
    std::uint64_t size() const override {
        return parts_[0].size() + parts_[1].size() * count_ + parts_[2].size();
    }

  private:
    std::string parts_[3];
    std::uint64_t count_;
    std::size_t& peakHeap_;
    std::size_t part_ = 0;
    std::size_t at_ = 0;
    std::uint64_t repeats_ = 0;
};

// A record with a huge field or a huge number of fields is left out, and reading it takes
// little more memory than reading any other record.
TEST(GtfsCsvTableTest, MemoryStaysBoundedWhateverTheRecords) {
    constexpr std::uint64_t kMiB = 1 << 20;
    struct Case {
        const char* name;
        std::string prefix;
        std::string filler;
        std::uint64_t count;
        std::string suffix;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"a field of 16 MiB", "a,b,c\n1,", "x", 16 * kMiB, ",y\n2,z,w\n", {"3:2|z|w"}},
        {"a quoted field of 16 MiB line breaks",
         "a,b,c\n1,\"",
         "\n",
         16 * kMiB,
         "\",y\n2,z,w\n",
         {std::to_string(3 + 16 * kMiB) + ":2|z|w"}},
        {"four million empty fields", "a,b,c\n1,", ",", 4 * kMiB, "\n2,z,w\n", {"3:2|z|w"}},
        {"two million short fields", "a,b,c\n1", ",x", 2 * kMiB, "\n2,z,w\n", {"3:2|z|w"}},
        {"a huge last record without a line end",
         "a,b,c\n2,z,w\n1,",
         "x",
         16 * kMiB,
         "",
         {"2:2|z|w"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t peak = 0;
        CsvTable table("t.txt", std::make_unique<GeneratedSource>(c.prefix, c.filler, c.count,
                                                                  c.suffix, peak));
        auto a = table.column("a");
        auto b = table.column("b");
        auto col = table.column("c");
        std::vector<std::string> rows;
        rows.reserve(4);
        const std::size_t before = heapInUse();
        table.forEachRow([&](const CsvRow& row) {
            rows.push_back(std::to_string(row.line()) + ":" + std::string(row[a]) + "|" +
                           std::string(row[b].substr(0, 8)) + "|" + std::string(row[col]));
        });
        EXPECT_EQ(rows, c.rows);
        EXPECT_LT(static_cast<std::ptrdiff_t>(peak - before),
                  4 * static_cast<std::ptrdiff_t>(kMiB));
    }
}

TEST(GtfsCsvTableTest, AFailedOpeningLeavesNoMemoryBehind) {
    // The parser has taken its buffer when the file turns out to hold nothing but line ends.
    auto open = [] { CsvTable("t.txt", std::make_unique<TextSource>("\n\r\n", 64)); };
    EXPECT_THROW(open(), Error);
    const std::size_t before = heapInUse();
    for (int i = 0; i < 2000; ++i) EXPECT_THROW(open(), Error);
    EXPECT_LT(static_cast<std::ptrdiff_t>(heapInUse() - before), 16 * 1024);
}

}  // namespace
}  // namespace busquery
