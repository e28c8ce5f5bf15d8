#include "route/ServiceHours.h"

namespace busquery {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The next "H:MM" or "HH:MM" from `at` on, as minutes, moving `at` past it.
std::optional<std::uint32_t> nextClock(std::string_view text, std::size_t& at) {
    for (; at < text.size(); ++at) {
        if (!isDigit(text[at])) continue;
        std::size_t end = at;
        std::uint32_t hours = 0;
        while (end < text.size() && isDigit(text[end]) && end - at < 2) {
            hours = hours * 10 + static_cast<std::uint32_t>(text[end++] - '0');
        }
        if (end + 2 < text.size() && text[end] == ':' && isDigit(text[end + 1]) &&
            isDigit(text[end + 2])) {
            const auto minutes =
                static_cast<std::uint32_t>((text[end + 1] - '0') * 10 + (text[end + 2] - '0'));
            at = end + 3;
            if (minutes < 60) return hours * 60 + minutes;
        } else {
            at = end - 1;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<ServiceHours> readServiceHours(std::string_view fltime) {
    std::size_t at = 0;
    const auto first = nextClock(fltime, at);
    if (!first) return std::nullopt;
    const std::size_t afterFirst = at;
    const auto last = nextClock(fltime, at);
    if (!last) return std::nullopt;
    ServiceHours hours;
    hours.first = *first % 1440;
    hours.last = *last % 1440;
    const bool nextDay =
        fltime.substr(afterFirst, at - afterFirst).find("次日") != std::string_view::npos;
    hours.pastMidnight = nextDay || *last >= 1440 || *first >= 1440 || hours.last < hours.first;
    // A day round the clock, written as 00:00-24:00 or the like, covers every minute.
    if (*last - *first >= 1440 && *last > *first) {
        hours.first = 0;
        hours.last = 1439;
        hours.pastMidnight = false;
    }
    return hours;
}

}  // namespace busquery
