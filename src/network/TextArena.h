#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace busquery {

// The texts of one loaded network (names, roads, landmarks, service times, name lists), copied
// into a few large blocks instead of one heap allocation each. Views handed out stay valid as
// long as the arena: blocks never move, and a full block is left as it is for a new one.
class TextArena {
  public:
    // A copy of text held by the arena.
    std::string_view store(std::string_view text);

  private:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;
    std::size_t left_ = 0;
};

}  // namespace busquery
