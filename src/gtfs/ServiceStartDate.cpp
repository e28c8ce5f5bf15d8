#include "gtfs/ServiceStartDate.h"

#include <string_view>

#include "gtfs/CsvTable.h"

namespace busquery {
namespace {

bool isDate(std::string_view text) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    const int month = (text[4] - '0') * 10 + (text[5] - '0');
    const int day = (text[6] - '0') * 10 + (text[7] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// The earliest valid date in the column; dates of eight digits sort as text.
std::optional<std::string> earliestDate(const GtfsFeed& feed, const char* file,
                                        const char* columnName) {
    if (!feed.has(file)) return std::nullopt;
    CsvTable table(file, feed.open(file));
    auto column = table.column(columnName);
    if (!column) return std::nullopt;
    std::optional<std::string> earliest;
    table.forEachRow([&](const CsvRow& row) {
        std::string_view text = row[column];
        if (isDate(text) && (!earliest || text < *earliest)) earliest = std::string(text);
    });
    return earliest;
}

std::string shownDate(const std::string& date) {
    auto number = [&](std::size_t from, std::size_t length) {
        return std::to_string(std::stoi(date.substr(from, length)));
    };
    return number(0, 4) + "." + number(4, 2) + "." + number(6, 2);
}

}  // namespace

std::optional<std::string> serviceStartDate(const GtfsFeed& feed) {
    auto date = earliestDate(feed, "calendar.txt", "start_date");
    if (!date) date = earliestDate(feed, "calendar_dates.txt", "date");
    if (!date) return std::nullopt;
    return shownDate(*date);
}

}  // namespace busquery
