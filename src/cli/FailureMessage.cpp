#include "cli/FailureMessage.h"

#include <ostream>

#include "query/Words.h"

namespace busquery::cli {

void writeCause(CliContext& context, const ErrorReport& report) {
    if (context.verbose && !report.detail.empty()) {
        context.err << "busquery-cli: " << tr(context.language, "Cli", "原因：%1", {report.detail})
                    << '\n';
    }
}

}  // namespace busquery::cli
