#include "cli/CliContext.h"

#include <cstdlib>
#include <ostream>

#include "query/OutcomeMessage.h"
#include "query/Query.h"
#include "query/Words.h"
#include "store/Error.h"
#include "store/ProgramFolder.h"

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
    return defaultDataFile();
}

BusData& CliContext::data() {
    if (!data_) data_ = std::make_unique<BusData>(dataFile());
    return *data_;
}

int CliContext::writeAnswer(const Answer& answer) {
    // Only the route search reads the walks; its answer comes from a loaded index.
    if (verbose && !notesWritten_ && answer.mode == QueryMode::MultiStation) {
        writeDataNotes(data().index());
    }
    out << writeResult(format(), answer, answerPieces(answer, language, lineTerminusIn(data())),
                       language);
    return outcomeMessage(answer.outcome) ? kExitMessage : kExitListed;
}

void CliContext::writeDataNotes(const NetworkIndex& index) {
    notesWritten_ = true;
    if (index.walksWithoutLength() > 0) {
        err << "busquery-cli: "
            << tr(language, "Cli",
                  "nstwalk 中有 %1 行没有以整数米记的步行距离（或缺少站名），已跳过",
                  {std::to_string(index.walksWithoutLength())})
            << '\n';
    }
    if (index.walksBeyondBound() > 0) {
        err << "busquery-cli: "
            << tr(language, "Cli", "nstwalk 中有 %1 行超出每站 %2 条步行连接的上限，未读取",
                  {std::to_string(index.walksBeyondBound()),
                   std::to_string(NetworkIndex::kMostWalksPerStation)})
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
