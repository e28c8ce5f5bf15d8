#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search/PinyinReader.h"

namespace busquery {

struct NetworkIndex;
struct StationInfo;

// The station names read as pinyin, prepared once per busdata content and only when a text
// is first read as pinyin: a search in characters never pays for it. For each station, by its
// place in name order (as in StationTextIndex), the syllables of its name; and two kinds of
// lists of places, in name order, that narrow a search to the stations it may spell:
//  - by each start of a reading of the first syllable ("d", "do", "don", "dong"): the texts
//    that stay within the first syllable;
//  - by the first syllable given one way (initial, zh/ch/sh or in full) and the first letter
//    of the second ("d" q, "dong" q): the texts that go on to the second.
// Each station on the lists a text names is then checked against its whole name.
class PinyinIndex {
  public:
    static PinyinIndex build(const NetworkIndex& network);
    // byName: the station indexes in name order.
    static PinyinIndex build(const std::vector<StationInfo>& stations,
                             const std::vector<std::uint32_t>& byName);

    // The places in name order of the stations whose name the text spells in pinyin, in
    // ascending order; none when the text is not pinyin text (see isPinyinText).
    std::vector<std::uint32_t> find(std::string_view text) const;

    // The syllables of the name at a place in name order, each its readings separated by "|".
    std::span<const std::string_view> syllables(std::uint32_t place) const {
        return std::span(syllables_)
            .subspan(syllableAt_[place], syllableAt_[place + 1] - syllableAt_[place]);
    }

  private:
    PinyinReader reader_;  // holds the readings the syllables view
    std::vector<std::string_view> syllables_;
    std::vector<std::uint32_t> syllableAt_;  // place → first syllable; one more at the end
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> placesByKey_;
};

}  // namespace busquery
