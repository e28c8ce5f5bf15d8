#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace busquery {

// The generator's only source of chance. std::mt19937_64 gives the same numbers everywhere; the
// standard distributions do not (their algorithms belong to the library), so the few we need
// are written here and a seed always gives the same city.
class SampleRandom {
  public:
    explicit SampleRandom(std::uint64_t seed) : engine_(seed) {}

    // 0 to n - 1 (n > 0), every value equally likely.
    std::size_t below(std::size_t n);
    // low to high, both included.
    int between(int low, int high);
    bool percent(int chance) { return below(100) < static_cast<std::size_t>(chance); }

    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }

    template <class T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[below(i)]);
    }

  private:
    std::mt19937_64 engine_;
};

}  // namespace busquery
