#include "text/DirectionWords.h"

#include "text/Text.h"

namespace busquery {

std::string withoutDirectionWords(std::string_view lineText) {
    return removeAll(removeAll(lineText, "上行"), "下行");
}

std::string_view routeNameOfLine(std::string_view lnna) {
    constexpr std::string_view kBranch = "支线";
    if (lnna.ends_with("上行") || lnna.ends_with("下行")) {
        lnna.remove_suffix(std::string_view("上行").size());
    }
    if (const auto at = lnna.rfind(kBranch);
        at != std::string_view::npos &&
        lnna.find_first_not_of("0123456789", at + kBranch.size()) == std::string_view::npos) {
        lnna = lnna.substr(0, at);
    }
    return lnna;
}

}  // namespace busquery
