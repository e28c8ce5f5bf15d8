#include "query/ServiceHoursText.h"

#include "query/Words.h"

namespace busquery {
namespace {

constexpr std::string_view kNextDay = "次日";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of a clock time "H:MM" or "HH:MM" at the start of text, else 0.
std::size_t clockLength(std::string_view text) {
    std::size_t hours = 0;
    while (hours < text.size() && hours < 2 && isDigit(text[hours])) ++hours;
    if (hours == 0 || text.size() < hours + 3 || text[hours] != ':') return 0;
    return isDigit(text[hours + 1]) && isDigit(text[hours + 2]) ? hours + 3 : 0;
}

}  // namespace

std::string shownServiceHours(std::string_view fltime, Language language) {
    if (language == Language::Chinese) return std::string(fltime);
    std::string shown;
    for (std::size_t at = fltime.find(kNextDay); at != std::string_view::npos;
         at = fltime.find(kNextDay)) {
        shown += fltime.substr(0, at);
        fltime.remove_prefix(at + kNextDay.size());
        // The word stands before its time; one without a time is translated on its own.
        const std::size_t length = clockLength(fltime);
        shown += length == 0 ? tr(language, "ServiceHoursText", "次日")
                             : tr(language, "JourneyClock", "次日%1", {fltime.substr(0, length)});
        fltime.remove_prefix(length);
    }
    return shown + std::string(fltime);
}

}  // namespace busquery
