#include "cli/RouteTimeText.h"

#include <charconv>

#include "query/JourneyClock.h"

namespace busquery::cli {
namespace {

// Digits only, exactly `count` of them or (when `upTo`) one to that many.
std::optional<int> number(std::string_view text, std::size_t count, bool upTo = false) {
    if (text.empty() || text.size() > count || (!upTo && text.size() != count)) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-' ||
        text.front() == '+') {
        return std::nullopt;
    }
    return value;
}

// "H:MM" or "HH:MM" as minutes of the day.
std::optional<std::uint32_t> minuteOf(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto hours = number(text.substr(0, colon), 2, true);
    const auto minutes = number(text.substr(colon + 1), 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59) return std::nullopt;
    return static_cast<std::uint32_t>(*hours * 60 + *minutes);
}

}  // namespace

std::optional<RouteTime> readRouteTime(std::string_view text, bool arriveBy, std::time_t now) {
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return std::nullopt;
    const auto today = dayOfDate(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                 static_cast<unsigned>(local.tm_mday));
    if (!today) return std::nullopt;
    if (text == "now") {
        return RouteTime{*today, static_cast<std::uint32_t>(local.tm_hour * 60 + local.tm_min),
                         arriveBy};
    }
    const auto space = text.find(' ');
    if (space == std::string_view::npos) {
        const auto minute = minuteOf(text);
        if (!minute) return std::nullopt;
        return RouteTime{*today, *minute, arriveBy};
    }
    const std::string_view date = text.substr(0, space);
    const auto minute = minuteOf(text.substr(space + 1));
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !minute) return std::nullopt;
    const auto year = number(date.substr(0, 4), 4);
    const auto month = number(date.substr(5, 2), 2);
    const auto day = number(date.substr(8, 2), 2);
    if (!year || !month || !day) return std::nullopt;
    const auto serviceDay =
        dayOfDate(*year, static_cast<unsigned>(*month), static_cast<unsigned>(*day));
    if (!serviceDay) return std::nullopt;
    return RouteTime{*serviceDay, *minute, arriveBy};
}

}  // namespace busquery::cli
