#include "gtfs/GtfsCalendar.h"

#include <array>
#include <chrono>

#include "gtfs/FeedText.h"

namespace busquery {
namespace {

constexpr std::string_view kCalendar = "calendar.txt";
constexpr std::string_view kDates = "calendar_dates.txt";
constexpr std::array<const char*, 7> kWeekdays{"monday", "tuesday",  "wednesday", "thursday",
                                               "friday", "saturday", "sunday"};

// YYYYMMDD of a day of the calendar, as a number.
std::optional<std::int32_t> readDate(std::string_view text) {
    auto value = readFeedInteger(text);
    if (text.size() != 8 || !value) return std::nullopt;
    const auto date = static_cast<std::int32_t>(*value);
    const std::chrono::year_month_day day{
        std::chrono::year(date / 10000),
        std::chrono::month(static_cast<unsigned>(date / 100 % 100)),
        std::chrono::day(static_cast<unsigned>(date % 100))};
    if (!day.ok()) return std::nullopt;
    return date;
}

// Whether the table has every column; if not it is counted as unused.
bool usable(const CsvTable& table, std::string_view file,
            std::initializer_list<const char*> columns, ImportSummary& summary) {
    for (const char* column : columns) {
        if (!table.column(column)) {
            summary.skip(file, "缺少列，整个文件未使用", 0, "列", column);
            return false;
        }
    }
    return true;
}

void readWeekdays(CsvTable& table, const GtfsTrips& trips, GtfsCalendar& calendar,
                  ImportSummary& summary) {
    if (!usable(table, kCalendar,
                {"service_id", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday",
                 "sunday", "start_date", "end_date"},
                summary)) {
        return;
    }
    const auto serviceColumn = table.column("service_id");
    std::array<std::optional<std::size_t>, 7> dayColumns{};
    for (std::size_t i = 0; i < kWeekdays.size(); ++i) dayColumns[i] = table.column(kWeekdays[i]);
    const auto startColumn = table.column("start_date");
    const auto endColumn = table.column("end_date");
    std::vector<bool> seen(calendar.services.size(), false);
    table.forEachRow([&](const CsvRow& row) {
        auto service = trips.serviceIds.find(row[serviceColumn]);
        if (!service) return;  // no trip runs on it
        if (seen[*service]) {
            summary.skip(kCalendar, "service_id 重复", row.line(), "service_id",
                         row[serviceColumn]);
            return;
        }
        std::uint8_t weekdays = 0;
        for (std::size_t i = 0; i < dayColumns.size(); ++i) {
            std::string_view flag = row[dayColumns[i]];
            if (flag != "0" && flag != "1") {
                summary.skip(kCalendar, "星期列须为 0 或 1", row.line(), kWeekdays[i], flag);
                return;
            }
            if (flag == "1") weekdays |= static_cast<std::uint8_t>(1U << i);
        }
        auto start = readDate(row[startColumn]);
        auto end = readDate(row[endColumn]);
        if (!start || !end) {
            summary.skip(kCalendar, "日期格式无效", row.line(), start ? "end_date" : "start_date",
                         row[start ? endColumn : startColumn]);
            return;
        }
        seen[*service] = true;
        ServiceRow& days = calendar.services[*service];
        days.weekdays = weekdays;
        days.startDate = *start;
        days.endDate = *end;
    });
}

void readDates(CsvTable& table, const GtfsTrips& trips, GtfsCalendar& calendar,
               ImportSummary& summary) {
    if (!usable(table, kDates, {"service_id", "date", "exception_type"}, summary)) return;
    const auto serviceColumn = table.column("service_id");
    const auto dateColumn = table.column("date");
    const auto typeColumn = table.column("exception_type");
    table.forEachRow([&](const CsvRow& row) {
        auto service = trips.serviceIds.find(row[serviceColumn]);
        if (!service) return;
        auto date = readDate(row[dateColumn]);
        if (!date) {
            summary.skip(kDates, "日期格式无效", row.line(), "date", row[dateColumn]);
            return;
        }
        std::string_view type = row[typeColumn];
        if (type != "1" && type != "2") {
            summary.skip(kDates, "exception_type 须为 1 或 2", row.line(), "exception_type", type);
            return;
        }
        calendar.dates.push_back(ServiceDateRow{*service, *date, type == "1"});
    });
}

}  // namespace

GtfsCalendar GtfsCalendar::read(CsvTable* calendarTable, CsvTable* datesTable,
                                const GtfsTrips& trips, ImportSummary& summary) {
    GtfsCalendar calendar;
    calendar.given = calendarTable != nullptr || datesTable != nullptr;
    if (!calendar.given) return calendar;
    for (std::uint32_t s = 0; s < trips.serviceIds.size(); ++s) {
        calendar.services.push_back(ServiceRow{s, std::string(trips.serviceIds.id(s)), 0, 0, 0});
    }
    if (calendarTable) readWeekdays(*calendarTable, trips, calendar, summary);
    if (datesTable) readDates(*datesTable, trips, calendar, summary);
    return calendar;
}

}  // namespace busquery
