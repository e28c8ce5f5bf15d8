#include "cli/CliContext.h"

#include <ostream>

#include "query/OutcomeMessage.h"
#include "store/Error.h"
#include "store/ProgramFolder.h"

namespace busquery::cli {

Format CliContext::format() const {
    if (formatOption == "ansi") return Format::Ansi;
    if (formatOption == "json") return Format::Json;
    return Format::Text;
}

std::filesystem::path CliContext::dataFile() const {
    return dbOption.empty() ? defaultDataFile() : std::filesystem::path(dbOption);
}

BusData& CliContext::data() {
    if (!data_) data_ = std::make_unique<BusData>(dataFile());
    return *data_;
}

int CliContext::writeAnswer(const Answer& answer) {
    out << writeResult(format(), answer, answerPieces(answer));
    return outcomeMessage(answer.outcome) ? kExitMessage : kExitListed;
}

void CliContext::flushOutput() {
    // A buffered stream reports a full disk or a closed pipe only when it passes its buffer on.
    out.flush();
    if (!out) throw Error(ErrorKind::WriteFailed, "无法写入标准输出");
}

}  // namespace busquery::cli
