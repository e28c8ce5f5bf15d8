#include "gtfs/CsvTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "store/Error.h"

namespace busquery {
namespace {

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

}  // namespace
}  // namespace busquery
