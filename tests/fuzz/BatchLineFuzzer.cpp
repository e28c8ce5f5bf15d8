// The batch command over a small bus database: every input line gets exactly one answer line,
// and every answer line is a JSON object, whatever bytes the request lines hold.

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzInput.h"
#include "cli/BatchCommand.h"
#include "cli/CliContext.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace {

using busquery::test::TempDir;
using busquery::test::TestCity;

const std::string& busdata() {
    static const TempDir dir;
    static const std::string file =
        TestCity{}
            .line("12路上行", "东桥;西门;北站;", "(6:00-22:00)")
            .line("12路下行", "北站;西门;东桥;", "(6:30-22:30)")
            .line("地铁1号线", "北站;南湖;", "(5:30-23:00)")
            .station("东桥", "12路上行;12路下行;", "西山大道", "东桥公园")
            .station("西门", "12路上行;12路下行;")
            .station("北站", "12路上行;12路下行;地铁1号线;", "北站路")
            .station("南湖", "地铁1号线;")
            .write(dir / "busdata")
            .string();
    return file;
}

// The lines std::getline reads from the text.
std::size_t lineCount(const std::string& text) {
    std::istringstream in(text);
    std::size_t count = 0;
    for (std::string line; std::getline(in, line);) ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string requests(busquery::fuzz::inputText(data, size));
    std::istringstream in(requests);
    std::ostringstream out;
    std::ostringstream err;
    busquery::cli::CliContext context(in, out, err);
    context.dbOption = busdata();
    context.formatOption = "json";
    busquery::cli::BatchCommand batch;
    const int status = batch.run(context);
    if (status != busquery::cli::kExitListed && status != busquery::cli::kExitFailure) {
        busquery::fuzz::fault();
    }

    std::istringstream answers(out.str());
    std::size_t count = 0;
    for (std::string answer; std::getline(answers, answer); ++count) {
        if (!nlohmann::json::accept(answer)) busquery::fuzz::fault();
        if (!nlohmann::json::parse(answer).is_object()) busquery::fuzz::fault();
    }
    if (count != lineCount(requests) || !err.str().empty()) busquery::fuzz::fault();
    return 0;
}
