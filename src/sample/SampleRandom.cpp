#include "sample/SampleRandom.h"

namespace busquery {

std::size_t SampleRandom::below(std::size_t n) {
    // Values under the threshold would make the low remainders a little more likely.
    const std::uint64_t bound = n;
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        std::uint64_t value = engine_();
        if (value >= threshold) return static_cast<std::size_t>(value % bound);
    }
}

int SampleRandom::between(int low, int high) {
    return low + static_cast<int>(below(static_cast<std::size_t>(high - low) + 1));
}

}  // namespace busquery
