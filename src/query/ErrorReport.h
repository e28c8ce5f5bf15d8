#pragma once

#include <exception>
#include <string>

#include "query/Language.h"
#include "store/Error.h"

namespace busquery {

// The error type of every layer and the one translation of failures, as the window and the CLI
// (which reach the engine through the query layer only) see them.

// What a boundary (the CLI, the window) says about a failure it caught, whatever was thrown.
struct ErrorReport {
    ErrorKind kind = ErrorKind::ProgramFault;
    std::string message;  // for the traveller, in the interface language
    std::string detail;   // the cause in SQLite's, a library's or the system's words; may be empty
};

// The one translation of a caught failure, used by every boundary: the program's own Error as
// it stands; running out of memory and every other exception, which the program has no words
// of its own for, as fixed messages that keep the exception's text as the detail. The message is
// in the language; in Chinese it is the error's own message byte for byte.
ErrorReport reportError(std::exception_ptr failure, Language language = Language::Chinese);

}  // namespace busquery
