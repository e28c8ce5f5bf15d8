#include "gtfs/ServiceDays.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <limits>
#include <map>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gtfs/CsvTable.h"

namespace busquery {
namespace {

using std::chrono::sys_days;

// Dates outside these years are taken for mistakes, which keeps the day counts small.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2199;
const sys_days kFirstDay = std::chrono::year(kFirstYear) / 1 / 1;
const sys_days kEndDay = std::chrono::year(kLastYear + 1) / 1 / 1;
constexpr std::size_t kWeek = 7;

// A day as its number from kFirstDay; none for text that is no date YYYYMMDD of those years.
std::optional<std::int64_t> dayNumber(std::string_view text) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    auto number = [&](std::size_t from, std::size_t length) {
        unsigned value = 0;
        for (char c : text.substr(from, length))
            value = value * 10 + static_cast<unsigned>(c - '0');
        return value;
    };
    const std::chrono::year_month_day date{std::chrono::year(static_cast<int>(number(0, 4))),
                                           std::chrono::month(number(4, 2)),
                                           std::chrono::day(number(6, 2))};
    if (!date.ok() || sys_days(date) < kFirstDay || sys_days(date) >= kEndDay) return std::nullopt;
    return (sys_days(date) - kFirstDay).count();
}

std::string shownDate(std::int64_t day) {
    const std::chrono::year_month_day date{kFirstDay + std::chrono::days(day)};
    return std::to_string(static_cast<int>(date.year())) + "." +
           std::to_string(static_cast<unsigned>(date.month())) + "." +
           std::to_string(static_cast<unsigned>(date.day()));
}

std::optional<CsvTable> openTable(const GtfsFeed& feed, std::string_view file) {
    if (!feed.has(file)) return std::nullopt;
    return std::optional<CsvTable>(std::in_place, std::string(file), feed.open(file));
}

struct WeeklyService {
    std::uint64_t trips = 0;
    std::array<bool, kWeek> weekdays{};  // Monday first
    std::int64_t from = 0;
    std::int64_t to = -1;  // the last day, inclusive

    bool runs(std::int64_t day) const {
        // kFirstDay, 1900-01-01, was a Monday.
        return day >= from && day <= to && weekdays[static_cast<std::size_t>(day % kWeek)];
    }
};

// The trips the feed runs on each day from `first` on.
struct DayCounts {
    std::int64_t first = 0;
    std::vector<std::uint64_t> trips;
};

DayCounts countTrips(const GtfsFeed& feed) {
    std::unordered_map<std::string, std::uint64_t> tripsOfService;
    if (auto trips = openTable(feed, "trips.txt")) {
        const auto column = trips->column("service_id");
        trips->forEachRow([&](const CsvRow& row) { ++tripsOfService[std::string(row[column])]; });
    }
    auto tripsOf = [&](std::string_view service) {
        auto it = tripsOfService.find(std::string(service));
        return it == tripsOfService.end() ? std::uint64_t{0} : it->second;
    };

    std::unordered_map<std::string, WeeklyService> weekly;
    if (auto calendar = openTable(feed, "calendar.txt")) {
        static constexpr std::array<std::string_view, kWeek> kDays = {
            "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
        std::array<std::optional<std::size_t>, kWeek> dayColumns;
        for (std::size_t d = 0; d < kWeek; ++d) dayColumns[d] = calendar->column(kDays[d]);
        const auto idColumn = calendar->column("service_id");
        const auto startColumn = calendar->column("start_date");
        const auto endColumn = calendar->column("end_date");
        calendar->forEachRow([&](const CsvRow& row) {
            auto from = dayNumber(row[startColumn]);
            auto to = dayNumber(row[endColumn]);
            if (!from || !to) return;
            WeeklyService service{tripsOf(row[idColumn]), {}, *from, *to};
            for (std::size_t d = 0; d < kWeek; ++d) service.weekdays[d] = row[dayColumns[d]] == "1";
            weekly[std::string(row[idColumn])] = service;
        });
    }
    // The last word of calendar_dates.txt on a service's day: added (1) or removed (2).
    std::map<std::pair<std::string, std::int64_t>, bool> exceptions;
    if (auto dates = openTable(feed, "calendar_dates.txt")) {
        const auto idColumn = dates->column("service_id");
        const auto dateColumn = dates->column("date");
        const auto typeColumn = dates->column("exception_type");
        dates->forEachRow([&](const CsvRow& row) {
            auto day = dayNumber(row[dateColumn]);
            std::string_view type = row[typeColumn];
            if (!day || (type != "1" && type != "2")) return;
            exceptions[{std::string(row[idColumn]), *day}] = type == "1";
        });
    }

    std::int64_t first = std::numeric_limits<std::int64_t>::max();
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    for (const auto& [id, service] : weekly) {
        if (service.trips == 0 || service.from > service.to) continue;
        first = std::min(first, service.from);
        last = std::max(last, service.to);
    }
    for (const auto& [key, added] : exceptions) {
        if (!added || tripsOf(key.first) == 0) continue;
        first = std::min(first, key.second);
        last = std::max(last, key.second);
    }
    DayCounts counts;
    if (first > last) return counts;
    counts.first = first;
    counts.trips.assign(static_cast<std::size_t>(last - first + 1), 0);
    // Each weekday of a service adds its trips over a range of days: marked at both ends here
    // and summed up week by week below.
    std::vector<std::array<std::int64_t, kWeek>> change(counts.trips.size() + kWeek);
    for (const auto& [id, service] : weekly) {
        if (service.trips == 0 || service.from > service.to) continue;
        for (std::size_t d = 0; d < kWeek; ++d) {
            if (!service.weekdays[d]) continue;
            const auto trips = static_cast<std::int64_t>(service.trips);
            change[static_cast<std::size_t>(service.from - first)][d] += trips;
            change[static_cast<std::size_t>(service.to - first + 1)][d] -= trips;
        }
    }
    std::array<std::int64_t, kWeek> running{};
    for (std::size_t i = 0; i < counts.trips.size(); ++i) {
        for (std::size_t d = 0; d < kWeek; ++d) running[d] += change[i][d];
        const auto weekday =
            static_cast<std::size_t>((first + static_cast<std::int64_t>(i)) % kWeek);
        counts.trips[i] = static_cast<std::uint64_t>(running[weekday]);
    }
    for (const auto& [key, added] : exceptions) {
        auto service = weekly.find(key.first);
        const bool weeklyRun = service != weekly.end() && service->second.runs(key.second);
        if (added == weeklyRun) continue;
        std::uint64_t& day = counts.trips[static_cast<std::size_t>(key.second - first)];
        day = added ? day + tripsOf(key.first) : day - tripsOf(key.first);
    }
    return counts;
}

}  // namespace

std::optional<ServiceDays> serviceDays(const GtfsFeed& feed) {
    const DayCounts counts = countTrips(feed);
    const std::vector<std::uint64_t>& trips = counts.trips;
    auto firstRun = std::find_if(trips.begin(), trips.end(), [](std::uint64_t n) { return n > 0; });
    if (firstRun == trips.end()) return std::nullopt;
    auto lastRun =
        std::find_if(trips.rbegin(), trips.rend(), [](std::uint64_t n) { return n > 0; });

    // weeks[i]: the trips of the seven days from day i on.
    std::vector<std::uint64_t> weeks(trips.size());
    std::uint64_t sum = 0;
    for (std::size_t i = trips.size(); i-- > 0;) {
        sum += trips[i];
        if (i + kWeek < trips.size()) sum -= trips[i + kWeek];
        weeks[i] = sum;
    }
    const std::uint64_t busiestWeek = *std::max_element(weeks.begin(), weeks.end());
    const auto weekStart = static_cast<std::size_t>(
        std::find_if(weeks.begin(), weeks.end(),
                     [&](std::uint64_t n) { return 2 * n >= busiestWeek; }) -
        weeks.begin());
    const auto week =
        std::span(trips).subspan(weekStart, std::min(kWeek, trips.size() - weekStart));
    const std::uint64_t busiestDay = *std::max_element(week.begin(), week.end());
    const auto start =
        weekStart + static_cast<std::size_t>(
                        std::find_if(week.begin(), week.end(),
                                     [&](std::uint64_t n) { return 2 * n >= busiestDay; }) -
                        week.begin());

    auto shown = [&](std::size_t i) {
        return shownDate(counts.first + static_cast<std::int64_t>(i));
    };
    return ServiceDays{shown(static_cast<std::size_t>(firstRun - trips.begin())),
                       shown(trips.size() - 1 - static_cast<std::size_t>(lastRun - trips.rbegin())),
                       shown(start)};
}

}  // namespace busquery
