#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// A message as the program words it: a fixed Chinese text, whose %1 to %9 stand for its parts
// in order, so that a translation of the text can place them. A part is a message of its own
// (a reason inside "cannot write “%1”: %2") or a value such as a file name, which no
// translation changes.
struct ErrorText {
    std::string words;
    std::vector<ErrorText> parts;
    bool isValue = false;

    ErrorText(const char* text) : words(text) {}  // NOLINT: a fixed text is a message
    ErrorText(std::string text, std::vector<ErrorText> textParts = {})  // NOLINT: as above
        : words(std::move(text)), parts(std::move(textParts)) {}

    static ErrorText value(std::string text) {
        ErrorText shown(std::move(text));
        shown.isValue = true;
        return shown;
    }

    // The message in Chinese, the program's own words.
    std::string written() const;
};

// Puts the parts into a text's %1 to %9 in one pass, as QString::arg does: a part that itself
// holds "%1" stays as it is.
std::string fillParts(std::string_view text, const std::vector<std::string>& parts);

// The one error type of the program's own failures. The message is in Chinese and meant for
// the traveller: it names the file and the problem, never the words of SQLite or the library;
// its text keeps the message's words and parts apart, so a boundary can say it in the interface
// language. SQLite's or the system's words are kept as the detail (SQLite's message, the
// system's text for an error number), which `busquery-cli --verbose` and the window's log show
// to whoever looks into the cause.
class Error : public std::runtime_error {
  public:
    Error(ErrorKind kind, ErrorText text, std::string detail = {})
        : std::runtime_error(text.written()),
          kind_(kind),
          text_(std::move(text)),
          detail_(std::move(detail)) {}

    ErrorKind kind() const { return kind_; }
    const ErrorText& text() const { return text_; }
    const std::string& detail() const { return detail_; }

  private:
    ErrorKind kind_;
    ErrorText text_;
    std::string detail_;
};

}  // namespace busquery
