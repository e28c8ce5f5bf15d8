#include "gtfs/GtfsImporter.h"

#include <chrono>
#include <ctime>
#include <memory>

#include "gtfs/FeedText.h"
#include "gtfs/GtfsCalendar.h"
#include "gtfs/GtfsFeed.h"
#include "gtfs/GtfsFrequencies.h"
#include "gtfs/GtfsNetwork.h"
#include "gtfs/GtfsRoutes.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/GtfsTimetable.h"
#include "gtfs/GtfsTransfers.h"
#include "gtfs/GtfsTranslations.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ServiceDays.h"
#include "gtfs/TripStops.h"
#include "store/Error.h"
#include "store/StagedFile.h"
#include "store/WriteBusData.h"

namespace busquery {
namespace {

// A date as the bus database shows it: 2024.3.5.
std::string dateText(int year, int month, int day) {
    return std::to_string(year) + "." + std::to_string(month) + "." + std::to_string(day);
}

// Rows of a feed file too large to read are counted with the rest that is skipped.
SkippedRecordHandler countSkipped(ImportSummary& summary, std::string_view file) {
    return [&summary, file](const SkippedRecord& record) {
        summary.skip(file, record.reason, record.line, "内容", record.start);
    };
}

CsvTable openTable(const GtfsFeed& feed, std::string_view file, ImportSummary& summary) {
    return CsvTable(std::string(file), feed.open(file), countSkipped(summary, file));
}

// feed_start_date (YYYYMMDD) of feed_info.txt, when the feed has one that is a day of the
// calendar.
std::optional<std::string> feedStartDate(const GtfsFeed& feed, ImportSummary& summary) {
    if (!feed.has("feed_info.txt")) return std::nullopt;
    CsvTable table = openTable(feed, "feed_info.txt", summary);
    auto column = table.column("feed_start_date");
    std::optional<std::string> date;
    table.forEachRow([&](const CsvRow& row) {
        std::string_view text = row[column];
        if (date || text.size() != 8 ||
            text.find_first_not_of("0123456789") != std::string_view::npos) {
            return;
        }
        auto number = [&](std::size_t from, std::size_t length) {
            return std::stoi(std::string(text.substr(from, length)));
        };
        int year = number(0, 4);
        int month = number(4, 2);
        int day = number(6, 2);
        const std::chrono::year_month_day calendar{std::chrono::year(year),
                                                   std::chrono::month(static_cast<unsigned>(month)),
                                                   std::chrono::day(static_cast<unsigned>(day))};
        if (year >= 1 && calendar.ok()) date = dateText(year, month, day);
    });
    return date;
}

// The city as the feed names it: the name given to the import, else the first agency's name,
// and the feed's language (feed_info.txt's feed_lang, else the agency's agency_lang); nothing
// without a name.
std::optional<CityRow> feedCity(const GtfsFeed& feed, const GtfsImportOptions& options,
                                ImportSummary& summary) {
    auto first = [&](std::string_view file, std::string_view name) {
        std::string value;
        if (!feed.has(file)) return value;
        CsvTable table = openTable(feed, file, summary);
        const auto column = table.column(name);
        if (!column) return value;
        table.forEachRow([&](const CsvRow& row) {
            if (value.empty()) value = row[column];
        });
        return value;
    };
    std::string name = options.cityName ? cleanFeedText(*options.cityName) : std::string();
    if (name.empty()) name = first("agency.txt", "agency_name");
    CityRow city{options.citycode, std::move(name), first("feed_info.txt", "feed_lang")};
    if (city.ctna.empty()) return std::nullopt;
    if (city.lang.empty()) city.lang = first("agency.txt", "agency_lang");
    return city;
}

std::string today() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return dateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace

ImportSummary importGtfs(const GtfsImportOptions& options, const ReadProgress& stopTimesProgress) {
    // OUT is checked before the feed is read (a staged file is made there and dropped): a long
    // import must not end in a refusal.
    StagedFile{options.out};
    GtfsFeed feed(options.feed);
    ImportSummary summary;
    summary.out = options.out;
    summary.citycode = options.citycode;

    // Every required file and column is checked before the long read begins.
    CsvTable stopsTable = openTable(feed, "stops.txt", summary);
    CsvTable routesTable = openTable(feed, "routes.txt", summary);
    CsvTable tripsTable = openTable(feed, "trips.txt", summary);
    CsvTable stopTimesTable = openTable(feed, "stop_times.txt", summary);
    GtfsStops::checkColumns(stopsTable);
    GtfsRoutes::checkColumns(routesTable);
    GtfsTrips::checkColumns(tripsTable);
    TripStops::checkColumns(stopTimesTable);
    std::optional<CsvTable> frequenciesTable;
    if (feed.has("frequencies.txt")) {
        frequenciesTable.emplace("frequencies.txt", feed.open("frequencies.txt"),
                                 countSkipped(summary, "frequencies.txt"));
        GtfsFrequencies::checkColumns(*frequenciesTable);
    }
    std::optional<CsvTable> transfersTable;
    if (feed.has("transfers.txt")) {
        transfersTable.emplace("transfers.txt", feed.open("transfers.txt"));
        GtfsTransfers::checkColumns(*transfersTable);
    }

    GtfsStops stops = GtfsStops::read(stopsTable, summary);
    GtfsTransfers transfers;
    if (transfersTable) transfers = GtfsTransfers::read(*transfersTable, stops, summary);
    GtfsTranslations translations;
    if (feed.has("translations.txt")) {
        CsvTable translationsTable = openTable(feed, "translations.txt", summary);
        translations = GtfsTranslations::read(translationsTable, stops, summary);
    }
    GtfsRoutes routes = GtfsRoutes::read(routesTable, summary);
    GtfsTrips trips = GtfsTrips::read(tripsTable, routes, summary);
    GtfsFrequencies frequencies;
    if (frequenciesTable) frequencies = GtfsFrequencies::read(*frequenciesTable, trips, summary);
    auto optionalTable = [&](std::string_view file) {
        return feed.has(file) ? std::make_unique<CsvTable>(std::string(file), feed.open(file),
                                                           countSkipped(summary, file))
                              : nullptr;
    };
    GtfsCalendar calendar =
        GtfsCalendar::read(optionalTable("calendar.txt").get(),
                           optionalTable("calendar_dates.txt").get(), trips, summary);
    TripStops tripStops = TripStops::read(stopTimesTable, stops, trips, summary, stopTimesProgress);
    summary.stopTimes = tripStops.rows();

    GtfsNetwork network =
        GtfsNetwork::build(GtfsTables{stops, routes, trips, tripStops, frequencies, transfers},
                           options.citycode, summary);
    if (network.lines.empty()) {
        throw Error(ErrorKind::BadData, {"GTFS 数据 “%1” 中没有可导入的线路",
                                         {ErrorText::value(options.feed.string())}});
    }
    const std::optional<ServiceDays> days = serviceDays(feed);
    if (days) {
        summary.firstServiceDay = days->first;
        summary.lastServiceDay = days->last;
    }
    GtfsTimetable timetable =
        GtfsTimetable::build(trips, tripStops, frequencies, calendar, transfers, network, summary);
    summary.timetableTrips = timetable.trips.size();
    summary.timetableStopTimes = timetable.stopTimes;
    summary.calendarGiven = calendar.given;
    if (options.date) {
        summary.date = *options.date;
    } else if (auto date = feedStartDate(feed, summary)) {
        summary.date = *date;
    } else {
        summary.date = days ? days->timetableStart : today();
    }

    BusDataRows rows;
    rows.stationNames = translations.stationNames(stops, network);
    summary.englishNames = rows.stationNames.size();
    rows.lineNames = translations.lineNames(routes, network);
    summary.englishLineNames = rows.lineNames.size();
    rows.lineIds = std::move(network.lineIds);
    rows.date = summary.date;
    rows.lines = std::move(network.lines);
    rows.stations = std::move(network.stations);
    rows.positions = std::move(network.positions);
    rows.walks = std::move(network.walks);
    rows.trips = std::move(timetable.trips);
    rows.services = std::move(calendar.services);
    rows.serviceDates = std::move(calendar.dates);
    rows.changes = std::move(timetable.changes);
    rows.city = feedCity(feed, options, summary);
    writeBusData(options.out, rows);
    return summary;
}

}  // namespace busquery
