#pragma once

#include <stdexcept>
#include <string>

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
};

// The one error type of the program's own failures. The message is in Chinese and meant for
// the traveller: it names the file and the problem, never the words of SQLite or the library.
class Error : public std::runtime_error {
  public:
    Error(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}

    ErrorKind kind() const { return kind_; }

  private:
    ErrorKind kind_;
};

}  // namespace busquery
