#include "search/AdditionalMatches.h"

#include <algorithm>
#include <iterator>

#include "search/FoldedTextIndex.h"
#include "search/PinyinIndex.h"
#include "search/PinyinText.h"

namespace busquery {
namespace {

std::vector<std::uint32_t> without(const std::vector<std::uint32_t>& found,
                                   const std::vector<std::uint32_t>& listed) {
    if (listed.empty() || found.empty()) return found;
    std::vector<std::uint32_t> rest;
    std::set_difference(found.begin(), found.end(), listed.begin(), listed.end(),
                        std::back_inserter(rest));
    return rest;
}

}  // namespace

std::vector<std::uint32_t> foldedMatches(const NetworkIndex& index, std::string_view text,
                                         StationTextIndex::Columns columns,
                                         const std::vector<std::uint32_t>& literal) {
    const auto& folded = index.derived<FoldedTextIndex>();
    return without(folded.find(text, columns, index.derived<StationTextIndex>()), literal);
}

std::vector<std::uint32_t> pinyinMatches(const NetworkIndex& index, std::string_view text,
                                         const std::vector<std::uint32_t>& listed) {
    const std::string marked = blanksAsSyllableMarks(text);
    if (!isPinyinText(marked)) return {};
    return without(index.derived<PinyinIndex>().find(marked), listed);
}

}  // namespace busquery
