#include "query/LineName.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "query/Words.h"
#include "store/ModeWords.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

constexpr std::string_view kContext = "LineName";

// The category words of the sample city's lines, longest first so that none hides another.
constexpr std::array<std::string_view, 6> kCategoryWords = {
    "公交地铁接驳专线", "莲花山专线", "高峰快线", "机场快线", "大学城", "夜"};

bool cut_prefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool cut_suffix(std::string_view& text, std::string_view suffix) {
    if (!text.ends_with(suffix)) return false;
    text.remove_suffix(suffix.size());
    return true;
}

// The English words of a name's stem: its mode or category, its number or name, 路 and 号线.
std::string stemWords(std::string_view stem) {
    std::string kind;
    for (std::string_view word : kModeWords) {
        if (cut_prefix(stem, word)) {
            kind = tr(Language::English, kContext, word);
            break;
        }
    }
    for (std::string_view word : kCategoryWords) {
        if (kind.empty() && cut_prefix(stem, word)) {
            kind = tr(Language::English, kContext, word);
            break;
        }
    }
    const bool bus = cut_suffix(stem, "路");
    const bool rail = !bus && cut_suffix(stem, "号线");
    if (kind.empty() && bus) kind = tr(Language::English, kContext, "路");
    if (kind.empty() && rail) kind = tr(Language::English, kContext, "号线");
    if (kind.empty()) return std::string(stem);
    return kind + " " + std::string(stem);
}

}  // namespace

std::string displayLineName(std::string_view lnna, Language language, std::string_view terminus,
                            const EnglishStationNames* english) {
    if (language == Language::Chinese) return std::string(lnna);
    std::string_view name = lnna;
    const bool direction = cut_suffix(name, "上行") || cut_suffix(name, "下行");
    // A branch: 支线 and its number, if any, at the end of what is left.
    std::string branch;
    if (const auto at = name.rfind("支线"); at != std::string_view::npos) {
        const std::string_view number = name.substr(at + std::string_view("支线").size());
        if (number.find_first_not_of("0123456789") == std::string_view::npos) {
            branch = " " + tr(Language::English, kContext, "支线") +
                     (number.empty() ? "" : " " + std::string(number));
            name = name.substr(0, at);
        }
    }
    // A name told apart by a long name or a copy number keeps it after the words: 12路（Kalno）.
    std::string apart;
    if (const auto at = name.find("（"); at != std::string_view::npos && name.ends_with("）")) {
        apart = " (" + std::string(name.substr(at + 3, name.size() - at - 6)) + ")";
        name = name.substr(0, at);
    } else if (const auto open = name.rfind('(');
               open != std::string_view::npos && name.ends_with(")")) {
        apart = " " + std::string(name.substr(open));
        name = name.substr(0, open);
    }
    const std::string* routeName = english != nullptr ? english->lineName(name) : nullptr;
    std::string shown = (routeName != nullptr ? *routeName : stemWords(name)) + apart + branch;
    if (direction && !terminus.empty()) {
        shown += tr(Language::English, kContext, " 往%1", {terminus});
    }
    return shown;
}

std::string storedLineRequest(std::string_view typed) {
    std::string_view rest = typed;
    while (rest.starts_with(' ')) rest.remove_prefix(1);
    // The English words read back into the Chinese ones, the longest first.
    static const auto words = [] {
        std::vector<std::pair<std::string, std::string_view>> table;
        for (std::string_view word : kModeWords) {
            table.emplace_back(asciiLower(tr(Language::English, kContext, word)), word);
        }
        for (std::string_view word : kCategoryWords) {
            table.emplace_back(asciiLower(tr(Language::English, kContext, word)), word);
        }
        table.emplace_back(asciiLower(tr(Language::English, kContext, "路")), "");
        table.emplace_back(asciiLower(tr(Language::English, kContext, "号线")), "");
        std::stable_sort(table.begin(), table.end(), [](const auto& a, const auto& b) {
            return a.first.size() > b.first.size();
        });
        return table;
    }();
    const std::string lowered = asciiLower(rest);
    std::string_view prefix;
    std::string_view suffix;
    bool found = false;
    for (const auto& [english, chinese] : words) {
        if (english.empty() || !lowered.starts_with(english + " ")) continue;
        rest.remove_prefix(english.size() + 1);
        prefix = chinese;
        // Lines of rail count with 号线, every other line with 路.
        suffix = chinese == "地铁" || chinese == "铁路" || chinese == "单轨" || chinese == "索道" ||
                         english == asciiLower(tr(Language::English, kContext, "号线"))
                     ? "号线"
                     : "路";
        found = true;
        break;
    }
    const std::string branchWord = " " + asciiLower(tr(Language::English, kContext, "支线"));
    std::string_view number = rest;
    std::string branch;
    if (const auto at = asciiLower(rest).find(branchWord); at != std::string::npos) {
        number = rest.substr(0, at);
        branch = "支线";
        if (!found) suffix = "路";
        found = true;
    }
    if (!found) return std::string(typed);
    const bool numbered =
        !number.empty() && number.find_first_not_of("0123456789") == std::string_view::npos;
    // A name's end is written only where the name ends: "Bus 1" also finds 1路 alone.
    if (!numbered) return std::string(prefix) + std::string(number);
    return std::string(prefix) + std::string(number) + std::string(suffix) + branch;
}

}  // namespace busquery
