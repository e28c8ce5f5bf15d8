#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

#include "cli/PieceWriters.h"
#include "query/Answer.h"
#include "query/Language.h"
#include "query/Query.h"
#include "query/QuerySession.h"

namespace busquery::cli {

// Exit statuses scripts rely on.
inline constexpr int kExitListed = 0;       // the answer lists something
inline constexpr int kExitMessage = 1;      // the answer is an outcome message
inline constexpr int kExitFailure = 2;      // usage error or failure
inline constexpr int kExitSummaryLost = 3;  // import-gtfs wrote OUT, its summary was not output

// What every subcommand shares: the options before it, the streams, and the data set.
struct CliContext {
    CliContext(std::istream& input, std::ostream& output, std::ostream& error)
        : in(input), out(output), err(error) {}

    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    std::string dbOption;  // --db; empty for the file BUSQUERY_DB names, else busdata beside it
    std::string formatOption = "text";
    Language language = Language::Chinese;  // --lang, else the locale's
    bool verbose =
        false;  // --verbose: also say on stderr what the data file held that was left out

    Format format() const;
    std::filesystem::path dataFile() const;
    // Made on first use and kept, so a batch builds the network index once.
    QuerySession& session();
    // A query over the session's data that answers in the chosen language.
    Query query();
    // An answer's pieces in the chosen language, its line names as that language reads them.
    std::vector<Piece> pieces(const Answer& answer);

    // Writes a query's answer in the chosen format; returns the exit status it calls for.
    int writeAnswer(const Answer& answer);
    // Passes what was written on to standard output; throws Error when it was not all taken,
    // unless the command reported that itself.
    void flushOutput();
    // The same, false instead of an Error, for a command that reports the loss itself.
    bool tryFlushOutput();
    bool outputLossReported = false;

  private:
    void writeDataNotes(const QuerySession::LeftOut& leftOut);

    std::unique_ptr<QuerySession> session_;
    bool notesWritten_ = false;
};

}  // namespace busquery::cli
