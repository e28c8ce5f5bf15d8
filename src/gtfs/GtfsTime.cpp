#include "gtfs/GtfsTime.h"

namespace busquery {
namespace {

// The number written by text, nullopt unless it is minLength to maxLength decimal digits.
std::optional<int> digits(std::string_view text, std::size_t minLength, std::size_t maxLength) {
    if (text.size() < minLength || text.size() > maxLength) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The time text writes, however late; nullopt when it is no time.
std::optional<ServiceSeconds> readTime(std::string_view text) {
    std::size_t first = text.find(':');
    if (first == std::string_view::npos) return std::nullopt;
    std::size_t second = text.find(':', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    // Three digits of hours, so that a time past the latest is told from one that is no time.
    auto hours = digits(text.substr(0, first), 1, 3);
    auto minutes = digits(text.substr(first + 1, second - first - 1), 2, 2);
    auto seconds = digits(text.substr(second + 1), 2, 2);
    if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 59) return std::nullopt;
    return *hours * 3600 + *minutes * 60 + *seconds;
}

}  // namespace

std::optional<ServiceSeconds> parseGtfsTime(std::string_view text) {
    auto time = readTime(text);
    if (!time || *time > kLatestServiceTime) return std::nullopt;
    return time;
}

std::string_view gtfsTimeProblem(std::string_view text) {
    return readTime(text) ? kTimeBeyondTwoDays : kTimeUnreadable;
}

std::string clockText(ServiceSeconds seconds) {
    int minutesOfDay = (seconds / 60) % (24 * 60);
    int hours = minutesOfDay / 60;
    int minutes = minutesOfDay % 60;
    std::string text(5, '0');
    text[0] = static_cast<char>('0' + hours / 10);
    text[1] = static_cast<char>('0' + hours % 10);
    text[2] = ':';
    text[3] = static_cast<char>('0' + minutes / 10);
    text[4] = static_cast<char>('0' + minutes % 10);
    return text;
}

}  // namespace busquery
