#include "cli/CliContext.h"

#include <ostream>

#include "query/OutcomeMessage.h"
#include "query/Query.h"
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

int CliContext::runQuery(const QueryInput& input) {
    Query query(data());
    PieceRecorder pane;
    const Answer answer = query.run(input, pane);
    out << writeResult(format(), answer, pane.pieces());
    return outcomeMessage(answer.outcome) ? kExitMessage : kExitListed;
}

}  // namespace busquery::cli
