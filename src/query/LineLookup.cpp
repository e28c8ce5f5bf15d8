#include "query/LineLookup.h"

#include <algorithm>

#include "text/AsciiCase.h"
#include "text/NumericText.h"
#include "text/Text.h"

namespace busquery {

std::string linePrefix(std::string_view request) {
    std::string prefix = removeAll(request, "路");
    if (isNumericText(prefix)) prefix += "路";
    return prefix;
}

bool lineLookupFinds(const NetworkIndex& index, std::string_view request) {
    const std::string prefix = linePrefix(request);
    return std::any_of(
        index.cityLinesByLnid.begin(), index.cityLinesByLnid.end(),
        [&](std::uint32_t i) { return startsWithIgnoreAsciiCase(index.lines[i].lnna, prefix); });
}

std::vector<LineEntry> lineLookup(const NetworkIndex& index, std::string_view request) {
    const std::string prefix = linePrefix(request);

    std::vector<LineEntry> found;
    for (std::uint32_t i : index.cityLinesByLnid) {
        const LineInfo& line = index.lines[i];
        if (!startsWithIgnoreAsciiCase(line.lnna, prefix)) continue;
        found.push_back(LineEntry{line.lnna, line.fltime, line.passstna});
    }
    return found;
}

}  // namespace busquery
