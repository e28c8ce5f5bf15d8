#include "query/JourneyClock.h"

#include <chrono>
#include <cstdio>

#include "query/Words.h"

namespace busquery {

namespace {

std::chrono::year_month_day dateOf(ServiceDay day) {
    return std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{day}}};
}

ServiceDay dayOfMinute(JourneyMinute minute) {
    return minute >= 0 ? minute / 1440 : -((-minute + 1439) / 1440);
}

std::string hoursAndMinutes(JourneyMinute minute) {
    const JourneyMinute of = minute - dayOfMinute(minute) * 1440;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", of / 60, of % 60);
    return text;
}

}  // namespace

std::optional<ServiceDay> dayOfDate(int year, unsigned month, unsigned day) {
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    if (!date.ok()) return std::nullopt;
    return static_cast<ServiceDay>(std::chrono::sys_days{date}.time_since_epoch().count());
}

std::string dateText(ServiceDay day) {
    const auto date = dateOf(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string dateTimeText(JourneyMinute minute) {
    return dateText(dayOfMinute(minute)) + "T" + hoursAndMinutes(minute);
}

std::string clockText(JourneyMinute minute, ServiceDay day, Language language) {
    const ServiceDay of = dayOfMinute(minute);
    if (of == day) return hoursAndMinutes(minute);
    if (of == day + 1) return tr(language, "JourneyClock", "次日%1", {hoursAndMinutes(minute)});
    if (of == day - 1) return tr(language, "JourneyClock", "前日%1", {hoursAndMinutes(minute)});
    return dateText(of) + " " + hoursAndMinutes(minute);
}

}  // namespace busquery
