#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace busquery {

struct NetworkIndex;
struct StationInfo;

// The station texts the suggestion search and the station lookup read, prepared once per
// busdata content: which stations hold each character and each pair of adjacent characters of
// stna, rdna or near, their texts with ASCII letters in lower case, and their suggestion lines.
// A search then checks only the stations of the rarest character or pair of its text, and a
// text of one or two characters needs no check at all. Characters are whole UTF-8 sequences.
//
// Stations are numbered by their place in name order (ORDER BY stna COLLATE pinyin, rowid),
// and their texts lie in that order, so a search reads memory front to back.
class StationTextIndex {
  public:
    enum class Columns { Name, NameRoadLandmarks };

    static StationTextIndex build(const NetworkIndex& network);
    // byName: the station indexes in name order.
    static StationTextIndex build(const std::vector<StationInfo>& stations,
                                  const std::vector<std::uint32_t>& byName);

    // The places in name order of the stations whose stna (or stna, rdna or near) contains text
    // literally, ASCII letter case ignored, in ascending order.
    std::vector<std::uint32_t> find(std::string_view text, Columns columns) const;

    // The station index of a place in name order.
    std::uint32_t station(std::uint32_t place) const { return byName_[place]; }

    // The suggestion line (stna[rdna]{near}) of the station at a place in name order.
    std::string_view suggestionLine(std::uint32_t place) const {
        return std::string_view(lines_).substr(lineAt_[place], lineAt_[place + 1] - lineAt_[place]);
    }

  private:
    // Where the folded texts of one station begin: stna, then rdna, then near; the next
    // station's stnaAt ends them.
    struct FoldedColumns {
        std::uint32_t stnaAt = 0;
        std::uint32_t rdnaAt = 0;
        std::uint32_t nearAt = 0;
    };

    bool contains(std::uint32_t place, std::string_view folded, Columns columns) const;

    std::vector<std::uint32_t> byName_;
    std::string lines_;                    // every suggestion line, in name order
    std::vector<std::uint32_t> lineAt_;    // place → start in lines_; one more at the end
    std::string folded_;                   // stna, rdna, near of every station, ASCII folded
    std::vector<FoldedColumns> foldedAt_;  // place → starts in folded_; one more at the end
    // Keys below 2^32 are characters; a pair (a, b) has the key (a + 1) << 32 | b.
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> placesByKey_;
};

}  // namespace busquery
