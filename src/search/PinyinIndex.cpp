#include "search/PinyinIndex.h"

#include <algorithm>

#include "network/NetworkIndex.h"
#include "search/PinyinText.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

// Keys pack up to kLongestSyllable letters, five bits each, behind two bits for the kind.
std::uint64_t packed(std::string_view letters) {
    std::uint64_t key = 0;
    for (char c : letters) key = key << 5 | static_cast<std::uint64_t>(c - 'a' + 1);
    return key;
}

// The stations whose first syllable has a reading that starts with start.
std::uint64_t startKey(std::string_view start) {
    return 1ULL << 62 | packed(start);
}

// The stations whose first syllable may be given as first and whose second has a reading
// that starts with next.
std::uint64_t stepKey(std::string_view first, char next) {
    return 2ULL << 62 | packed(first) << 5 | packed(std::string_view(&next, 1));
}

}  // namespace

PinyinIndex PinyinIndex::build(const NetworkIndex& network) {
    return build(network.stations(), network.stationsByName());
}

PinyinIndex PinyinIndex::build(const std::vector<StationInfo>& stations,
                               const std::vector<std::uint32_t>& byName) {
    PinyinIndex index;
    index.syllableAt_.reserve(byName.size() + 1);
    for (std::uint32_t station : byName) {
        index.syllableAt_.push_back(static_cast<std::uint32_t>(index.syllables_.size()));
        index.reader_.read(stations[station].stna, index.syllables_);
    }
    index.syllableAt_.push_back(static_cast<std::uint32_t>(index.syllables_.size()));

    for (std::uint32_t place = 0; place < byName.size(); ++place) {
        const auto syllables = index.syllables(place);
        if (syllables.empty()) continue;
        // Visiting the places in order keeps every list in order.
        auto add = [&](std::uint64_t key) {
            auto& list = index.placesByKey_[key];
            if (list.empty() || list.back() != place) list.push_back(place);
        };
        forEachReading(syllables[0], [&](std::string_view first) {
            if (first.empty()) return;
            for (std::size_t length = 1; length <= first.size(); ++length) {
                add(startKey(first.substr(0, length)));
            }
            if (syllables.size() < 2) return;
            forEachReading(syllables[1], [&](std::string_view second) {
                if (second.empty()) return;
                add(stepKey(first.substr(0, 1), second[0]));
                if (hasDoubleInitial(first)) add(stepKey(first.substr(0, 2), second[0]));
                if (first.size() > 1) add(stepKey(first, second[0]));
            });
        });
    }
    return index;
}

std::vector<std::uint32_t> PinyinIndex::find(std::string_view text) const {
    if (!isPinyinText(text)) return {};
    const std::string lowered = asciiLower(text);
    std::string_view spelled(lowered);
    if (spelled.back() == '\'') spelled.remove_suffix(1);

    std::vector<const std::vector<std::uint32_t>*> lists;
    auto consider = [&](std::uint64_t key) {
        if (auto found = placesByKey_.find(key); found != placesByKey_.end()) {
            lists.push_back(&found->second);
        }
    };
    // The whole text within the first syllable.
    if (spelled.find('\'') == std::string_view::npos && spelled.size() <= kLongestSyllable) {
        consider(startKey(spelled));
    }
    // The first syllable given by the first letters, the second starting with the letter after
    // them (or after the apostrophe that follows them).
    for (std::size_t length = 1; length < spelled.size() && length <= kLongestSyllable; ++length) {
        if (spelled[length - 1] == '\'') break;
        const char next = spelled[length] == '\'' ? spelled[length + 1] : spelled[length];
        consider(stepKey(spelled.substr(0, length), next));
    }

    std::vector<std::uint32_t> candidates;
    if (lists.size() == 1) {
        candidates = *lists.front();
    } else {
        for (const auto* list : lists)
            candidates.insert(candidates.end(), list->begin(), list->end());
        std::sort(candidates.begin(), candidates.end());
        candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    }
    std::erase_if(candidates,
                  [&](std::uint32_t place) { return !spellsSyllables(lowered, syllables(place)); });
    return candidates;
}

}  // namespace busquery
