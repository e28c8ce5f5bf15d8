#include "cli/FailureMessage.h"

#include <ostream>

namespace busquery::cli {

void writeCause(CliContext& context, const ErrorReport& report) {
    if (context.verbose && !report.detail.empty()) {
        context.err << "busquery-cli: 原因：" << report.detail << '\n';
    }
}

}  // namespace busquery::cli
