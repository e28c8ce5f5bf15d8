#include "cli/CliContext.h"

#include <ostream>

#include "db/ProgramFolder.h"
#include "query/OutcomeMessage.h"
#include "query/Query.h"

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
    QueryMode mode = query.run(input, pane);
    out << writeResult(format(), mode, query.state(), pane.pieces());
    return outcomeMessage(query.state().intOutState) ? kExitMessage : kExitListed;
}

}  // namespace busquery::cli
