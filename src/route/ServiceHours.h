#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace busquery {

// A line's service hours as its fltime shows them, "(07:00-21:40)": from the first departure to
// the last, which lies on the next day when marked "次日" or earlier on the clock than the first.
struct ServiceHours {
    std::uint32_t first = 0;  // minutes after midnight
    std::uint32_t last = 0;
    bool pastMidnight = false;

    // Whether the line runs at that minute of the day (0 to 1439).
    bool covers(std::uint32_t minute) const {
        return pastMidnight ? minute >= first || minute <= last : minute >= first && minute <= last;
    }
};

// The hours an fltime text gives, or nothing when it does not hold two clock times.
std::optional<ServiceHours> readServiceHours(std::string_view fltime);

}  // namespace busquery
