#include "cli/CliContext.h"

#include <cstdlib>
#include <ostream>

#include "query/ErrorReport.h"
#include "query/OutcomeMessage.h"
#include "query/Query.h"
#include "query/Words.h"

namespace busquery::cli {

Format CliContext::format() const {
    if (formatOption == "ansi") return Format::Ansi;
    if (formatOption == "json") return Format::Json;
    return Format::Text;
}

std::filesystem::path CliContext::dataFile() const {
    if (!dbOption.empty()) return dbOption;
    // As the window does: the environment names the file where the command line does not.
    if (const char* environment = std::getenv("BUSQUERY_DB"); environment && *environment) {
        return environment;
    }
    return QuerySession::defaultFile();
}

QuerySession& CliContext::session() {
    if (!session_) session_ = std::make_unique<QuerySession>(dataFile());
    return *session_;
}

Query CliContext::query() {
    Query query = session().query();
    query.setLanguage(language);
    return query;
}

std::vector<Piece> CliContext::pieces(const Answer& answer) {
    return answerPieces(answer, language, session().lineTerminus());
}

int CliContext::writeAnswer(const Answer& answer) {
    // Only the route search reads the walks; its answer comes from a loaded index.
    if (verbose && !notesWritten_ && answer.mode == QueryMode::MultiStation) {
        writeDataNotes(session().leftOut());
    }
    out << writeResult(format(), answer, pieces(answer), language);
    return outcomeMessage(answer.outcome) ? kExitMessage : kExitListed;
}

void CliContext::writeDataNotes(const QuerySession::LeftOut& leftOut) {
    notesWritten_ = true;
    if (leftOut.walksWithoutLength > 0) {
        err << "busquery-cli: "
            << tr(language, "Cli",
                  "nstwalk 中有 %1 行没有以整数米记的步行距离（或缺少站名），已跳过",
                  {std::to_string(leftOut.walksWithoutLength)})
            << '\n';
    }
    if (leftOut.walksBeyondBound > 0) {
        err << "busquery-cli: "
            << tr(language, "Cli", "nstwalk 中有 %1 行超出每站 %2 条步行连接的上限，未读取",
                  {std::to_string(leftOut.walksBeyondBound),
                   std::to_string(leftOut.mostWalksPerStation)})
            << '\n';
    }
}

void CliContext::flushOutput() {
    if (!tryFlushOutput() && !outputLossReported) {
        throw Error(ErrorKind::WriteFailed, tr(language, "Cli", "无法写入标准输出"));
    }
}

bool CliContext::tryFlushOutput() {
    // A buffered stream reports a full disk or a closed pipe only when it passes its buffer on.
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace busquery::cli
