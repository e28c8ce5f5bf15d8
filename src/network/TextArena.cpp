#include "network/TextArena.h"

#include <algorithm>
#include <cstring>

namespace busquery {

std::string_view TextArena::store(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() > left_) {
        // A text longer than a block gets a block of its own; the current block keeps its room.
        if (text.size() > kBlockSize / 4) {
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
            std::memcpy(blocks_.back().get(), text.data(), text.size());
            return {blocks_.back().get(), text.size()};
        }
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        free_ = blocks_.back().get();
        left_ = kBlockSize;
    }
    std::memcpy(free_, text.data(), text.size());
    const std::string_view stored(free_, text.size());
    free_ += text.size();
    left_ -= text.size();
    return stored;
}

}  // namespace busquery
