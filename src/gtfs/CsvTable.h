#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/ByteSource.h"
#include "store/Error.h"

struct csv_parser;

namespace busquery {

// Called while a file is read: bytes read so far and the file's size.
using ReadProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// One record of a CsvTable, valid during the callback that receives it.
class CsvRow {
  public:
    CsvRow(const std::vector<std::string>& fields, std::size_t count, std::uint64_t line)
        : fields_(fields), count_(count), line_(line) {}

    // The field of the column; empty when the table lacks the column or the record is short.
    std::string_view operator[](std::optional<std::size_t> column) const {
        return column && *column < count_ ? std::string_view(fields_[*column]) : std::string_view{};
    }

    // The line of the file the record starts on; the header's is 1 when nothing precedes it.
    std::uint64_t line() const { return line_; }

  private:
    const std::vector<std::string>& fields_;
    std::size_t count_;
    std::uint64_t line_;
};

// Records beyond these limits are left out, so that no file, however made, can take more than
// a few megabytes while it is read: a field of more than kMaxFieldBytes bytes, a record of
// more than kMaxRecordFields fields.
inline constexpr std::size_t kMaxFieldBytes = 64 * 1024;
inline constexpr std::size_t kMaxRecordFields = 1000;

// A record left out for exceeding the limits.
struct SkippedRecord {
    std::string_view reason;
    std::uint64_t line = 0;  // the line of the file the record starts on
    std::string_view start;  // the first bytes of its text, fields joined by ","
};
using SkippedRecordHandler = std::function<void(const SkippedRecord&)>;

// Frees libcsv's parser and the buffer it holds.
struct CsvParserRelease {
    void operator()(csv_parser* parser) const;
};

// A CSV file with a header record, read as a stream through libcsv: quoted fields with commas,
// quotes and line breaks, CRLF or LF line ends, a UTF-8 byte order mark, blank lines, extra
// columns and columns in any order. Blanks around unquoted fields are dropped; column names
// match without regard to ASCII letter case.
class CsvTable {
  public:
    // Reads the header. Throws Error naming the file when it is empty, unreadable or its header
    // exceeds the limits. onSkipped is told of every record left out for exceeding them.
    CsvTable(std::string fileName, std::unique_ptr<ByteSource> source,
             SkippedRecordHandler onSkipped = {});
    ~CsvTable();
    CsvTable(const CsvTable&) = delete;
    CsvTable& operator=(const CsvTable&) = delete;

    const std::string& fileName() const { return fileName_; }

    std::optional<std::size_t> column(std::string_view name) const;
    // Throws Error naming the file and the column when the header lacks it.
    std::size_t requireColumn(std::string_view name) const;

    // Calls onRow for every record after the header, in file order, skipping records whose
    // fields are all empty. An exception from onRow or progress ends the reading and is passed on.
    void forEachRow(const std::function<void(const CsvRow&)>& onRow,
                    const ReadProgress& progress = {});

  private:
    // libcsv's callbacks. Nothing may unwind through its C frames: an exception is kept in
    // failure_, the rest of the bytes given to csv_parse pass without effect, and parse()
    // throws it once csv_parse has returned.
    static void onField(void* field, std::size_t size, void* table);
    static void onRecordEnd(int terminator, void* table);
    void takeField(const char* text, std::size_t size);
    void endRecord(int terminator);
    // Reads into buffer_ from offset on; returns the bytes read.
    std::size_t readChunk(std::size_t offset = 0);
    void parse(const char* bytes, std::size_t size);
    // Ends the parse: the last record without a line end is taken too.
    void finish();
    void dropLongField();
    void markOversized(std::string_view reason, std::string_view field);
    [[noreturn]] void fail(ErrorText problem, ErrorKind kind = ErrorKind::FeedFileMissing) const;

    std::string fileName_;
    std::unique_ptr<ByteSource> source_;
    SkippedRecordHandler onSkipped_;
    std::unique_ptr<csv_parser, CsvParserRelease> parser_;
    std::vector<char> buffer_;
    std::size_t pending_ = 0;  // bytes of buffer_ after the header, not yet parsed
    std::size_t pendingSize_ = 0;
    std::uint64_t bytesRead_ = 0;

    std::vector<std::string> header_;
    bool headerDone_ = false;
    std::vector<std::string> fields_;
    std::size_t fieldCount_ = 0;
    bool fieldsEmpty_ = true;
    std::uint64_t lineBreaks_ = 0;        // before the record being read
    std::uint64_t recordLineBreaks_ = 0;  // inside its quoted fields
    std::string_view oversized_;          // why the record is left out, empty while it is not
    std::string oversizedStart_;
    const std::function<void(const CsvRow&)>* onRow_ = nullptr;
    std::exception_ptr failure_;
};

}  // namespace busquery
