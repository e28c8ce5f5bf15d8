#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace busquery {

// The ids of one kind in a feed (stop_id, route_id, trip_id) as dense numbers 0, 1, 2, … in
// the order they were first added, so the rest of the import keeps compact arrays of numbers.
class IdMap {
  public:
    // The number of id and whether it was new.
    std::pair<std::uint32_t, bool> add(std::string_view id) {
        auto [it, added] =
            numbers_.try_emplace(std::string(id), static_cast<std::uint32_t>(ids_.size()));
        if (added) ids_.push_back(&it->first);
        return {it->second, added};
    }

    std::optional<std::uint32_t> find(std::string_view id) const {
        auto it = numbers_.find(id);
        if (it == numbers_.end()) return std::nullopt;
        return it->second;
    }

    std::string_view id(std::uint32_t number) const { return *ids_[number]; }
    std::size_t size() const { return ids_.size(); }

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> numbers_;
    std::vector<const std::string*> ids_;  // keys of numbers_, which never move
};

}  // namespace busquery
