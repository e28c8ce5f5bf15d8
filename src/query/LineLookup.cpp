#include "query/LineLookup.h"

#include <algorithm>
#include <iterator>

#include "store/ModeWords.h"
#include "text/AsciiCase.h"
#include "text/DirectionWords.h"
#include "text/NumericText.h"
#include "text/Text.h"

namespace busquery {

std::string linePrefix(std::string_view request) {
    std::string prefix = removeAll(request, "路");
    if (isNumericText(prefix)) prefix += "路";
    return prefix;
}

std::vector<LineEntry> numberedLinesOfEveryMode(const NetworkIndex& index,
                                                std::string_view request) {
    const std::string number = removeAll(request, "路");
    std::vector<LineEntry> found;
    if (!isNumericText(number)) return found;
    const std::string prefix = linePrefix(number);
    for (std::uint32_t i : index.cityLinesByLnid) {
        const LineInfo& line = index.lines[i];
        std::string_view name = line.lnna;
        if (startsWithIgnoreAsciiCase(name, prefix)) continue;  // listed by its prefix already
        for (std::string_view word : kModeWords) {
            if (name.starts_with(word)) {
                name.remove_prefix(word.size());
                break;
            }
        }
        if (name.starts_with(number) && (name.size() == number.size() ||
                                         name[number.size()] < '0' || name[number.size()] > '9')) {
            found.push_back(LineEntry{std::string(line.lnna), std::string(line.fltime),
                                      std::string(line.passstna)});
        }
    }
    return found;
}

void addLinesByEnglishName(const NetworkIndex& index, const EnglishStationNames& english,
                           std::string_view typed, std::vector<LineEntry>& found) {
    const std::vector<std::string_view> routeNames = english.routeNamesBeginning(typed);
    if (routeNames.empty()) return;
    const std::size_t listed = found.size();
    for (std::uint32_t i : index.cityLinesByLnid) {
        const LineInfo& line = index.lines[i];
        if (std::find(routeNames.begin(), routeNames.end(), routeNameOfLine(line.lnna)) ==
                routeNames.end() ||
            std::any_of(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(listed),
                        [&](const LineEntry& entry) { return entry.lnna == line.lnna; })) {
            continue;
        }
        found.push_back(LineEntry{std::string(line.lnna), std::string(line.fltime),
                                  std::string(line.passstna)});
    }
}

bool lineLookupFinds(const NetworkIndex& index, std::string_view request) {
    const std::string prefix = linePrefix(request);
    return std::any_of(index.cityLinesByLnid.begin(), index.cityLinesByLnid.end(),
                       [&](std::uint32_t i) {
                           return startsWithIgnoreAsciiCase(index.lines[i].lnna, prefix);
                       }) ||
           !numberedLinesOfEveryMode(index, request).empty();
}

std::vector<LineEntry> lineLookup(const NetworkIndex& index, std::string_view request) {
    const std::string prefix = linePrefix(request);

    std::vector<LineEntry> found;
    for (std::uint32_t i : index.cityLinesByLnid) {
        const LineInfo& line = index.lines[i];
        if (!startsWithIgnoreAsciiCase(line.lnna, prefix)) continue;
        found.push_back(LineEntry{std::string(line.lnna), std::string(line.fltime),
                                  std::string(line.passstna)});
    }
    std::vector<LineEntry> numbered = numberedLinesOfEveryMode(index, request);
    found.insert(found.end(), std::make_move_iterator(numbered.begin()),
                 std::make_move_iterator(numbered.end()));
    return found;
}

}  // namespace busquery
