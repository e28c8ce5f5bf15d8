#include "search/FoldedTextIndex.h"

#include <algorithm>

#include "network/NetworkIndex.h"
#include "search/CaseAndAccentFolding.h"

namespace busquery {

FoldedTextIndex FoldedTextIndex::build(const NetworkIndex& network) {
    return build(network.stations(), network.stationsByName());
}

FoldedTextIndex FoldedTextIndex::build(const std::vector<StationInfo>& stations,
                                       const std::vector<std::uint32_t>& byName) {
    FoldedTextIndex index;
    const bool allAscii = std::all_of(stations.begin(), stations.end(), [](const StationInfo& s) {
        return foldsAsAsciiLower(s.stna) && foldsAsAsciiLower(s.rdna) && foldsAsAsciiLower(s.near);
    });
    if (allAscii) return index;
    // The folded rows view these texts, which the index being built copies.
    TextArena texts;
    std::vector<StationInfo> folded;
    folded.reserve(stations.size());
    for (const StationInfo& s : stations) {
        folded.push_back({texts.store(foldCaseAndAccents(s.stna)),
                          texts.store(foldCaseAndAccents(s.rdna)),
                          texts.store(foldCaseAndAccents(s.near)),
                          {},
                          {}});
    }
    index.folded_ = StationTextIndex::build(folded, byName);
    return index;
}

std::vector<std::uint32_t> FoldedTextIndex::find(std::string_view text,
                                                 StationTextIndex::Columns columns,
                                                 const StationTextIndex& literal) const {
    const std::string folded = foldCaseAndAccents(text);
    if (folded.empty()) return {};
    if (folded_) return folded_->find(folded, columns);
    if (foldsAsAsciiLower(text)) return {};
    return literal.find(folded, columns);
}

}  // namespace busquery
