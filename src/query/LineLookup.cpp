#include "query/LineLookup.h"

#include "db/AsciiCase.h"
#include "db/Text.h"

namespace busquery {

bool isNumericText(std::string_view text) {
    std::string_view t = trimBlanks(text);
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
    bool digits = false;
    bool point = false;
    for (char c : t) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::string linePrefix(std::string_view request) {
    std::string prefix = removeAll(request, "路");
    if (isNumericText(prefix)) prefix += "路";
    return prefix;
}

void lineLookup(const NetworkIndex& index, QueryState& state, ResultPane& pane) {
    pane.clear();
    state.strQueryLnna = removeAll(state.strQueryLnna, "路");
    const std::string prefix = linePrefix(state.strQueryLnna);

    std::int32_t found = 0;
    for (std::uint32_t i : index.cityLinesByLnid) {
        const LineInfo& line = index.lines[i];
        if (!startsWithIgnoreAsciiCase(line.lnna, prefix)) continue;
        ++found;
        pane.setColour(colours::kBlue);
        pane.append(line.lnna);
        pane.setColour(colours::kOlive);
        pane.append(line.fltime);
        pane.setColour(colours::kBlack);
        pane.setBold(true);
        pane.append(kBreak);
        pane.append("途径站点：");
        pane.setBold(false);
        pane.append(line.passstna);
        pane.append("\r\n\r\n");
    }
    state.lngRecordNum = found;
    state.intOutState = found == 0 ? OutcomeCode::NoLine : OutcomeCode::Listed;
}

}  // namespace busquery
