#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "search/StationTextIndex.h"

namespace busquery {

struct NetworkIndex;
struct StationInfo;

// The station texts compared loosely (case and accents ignored, see foldCaseAndAccents),
// prepared once per busdata content. A city whose texts all fold to their ASCII lower case
// (every Chinese city) keeps nothing: the literal index then answers the folded text. Any
// other city keeps a StationTextIndex of its folded texts, in the same name order.
class FoldedTextIndex {
  public:
    static FoldedTextIndex build(const NetworkIndex& network);
    // byName: the station indexes in name order.
    static FoldedTextIndex build(const std::vector<StationInfo>& stations,
                                 const std::vector<std::uint32_t>& byName);

    // The places in name order of the stations whose stna (or stna, rdna or near) contains
    // text when both are folded, in ascending order; literal is the index of the same stations
    // as they are. Nothing for a text that folds to nothing (marks alone), and nothing new
    // where the loose comparison cannot differ from the literal one: a text that folds to its
    // ASCII lower case in a city whose texts all do.
    std::vector<std::uint32_t> find(std::string_view text, StationTextIndex::Columns columns,
                                    const StationTextIndex& literal) const;

  private:
    std::optional<StationTextIndex> folded_;  // none when every text folds as ASCII
};

}  // namespace busquery
