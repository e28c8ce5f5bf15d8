#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace busquery {

// What went wrong, for callers that react to some failures differently (a batch line goes on,
// a test checks the reason); the message alone is what a traveller reads.
enum class ErrorKind {
    FileMissing,      // a data file, feed or folder that is not there
    NotAFile,         // a folder, a pipe or a device where a file was expected
    NotADatabase,     // not an SQLite file, an empty file, or a damaged one
    SchemaMissing,    // a table or column the program reads is missing or unusable
    FeedFileMissing,  // a GTFS feed lacks a file or a column it must have
    BadData,          // content that cannot be used (no lines to import, a bad date)
    ReadFailed,       // reading a file or an archive failed
    WriteFailed,      // writing a data file or the output failed
    BadArgument,      // a request or an option the program cannot act on
    NoPermission,     // the system refused access to a file or a folder
    OutOfMemory,      // memory ran out before the work was done
    ProgramFault,     // a fault of the program itself: a failure it has no words for
};

// The one error type of the program's own failures. The message is in Chinese and meant for
// the traveller: it names the file and the problem, never the words of SQLite or the library.
// Those words are kept as the detail (SQLite's message, the system's text for an error number),
// which `busquery-cli --verbose` and the window's log show to whoever looks into the cause.
class Error : public std::runtime_error {
  public:
    Error(ErrorKind kind, const std::string& message, std::string detail = {})
        : std::runtime_error(message), kind_(kind), detail_(std::move(detail)) {}

    ErrorKind kind() const { return kind_; }
    const std::string& detail() const { return detail_; }

  private:
    ErrorKind kind_;
    std::string detail_;
};

}  // namespace busquery
