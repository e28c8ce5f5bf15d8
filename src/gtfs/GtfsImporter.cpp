#include "gtfs/GtfsImporter.h"

#include <chrono>
#include <ctime>

#include "gtfs/GtfsFeed.h"
#include "gtfs/GtfsFrequencies.h"
#include "gtfs/GtfsNetwork.h"
#include "gtfs/GtfsRoutes.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/GtfsTransfers.h"
#include "gtfs/GtfsTrips.h"
#include "gtfs/ServiceStartDate.h"
#include "gtfs/TripStops.h"
#include "store/BusDatabaseWriter.h"
#include "store/Error.h"
#include "store/StagedFile.h"

namespace busquery {
namespace {

// A date as the bus database shows it: 2024.3.5.
std::string dateText(int year, int month, int day) {
    return std::to_string(year) + "." + std::to_string(month) + "." + std::to_string(day);
}

// feed_start_date (YYYYMMDD) of feed_info.txt, when the feed has a valid one.
std::optional<std::string> feedStartDate(const GtfsFeed& feed) {
    if (!feed.has("feed_info.txt")) return std::nullopt;
    CsvTable table("feed_info.txt", feed.open("feed_info.txt"));
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
        int month = number(4, 2);
        int day = number(6, 2);
        if (month >= 1 && month <= 12 && day >= 1 && day <= 31) {
            date = dateText(number(0, 4), month, day);
        }
    });
    return date;
}

std::string today() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return dateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

void writeDatabase(const std::filesystem::path& file, const GtfsNetwork& network,
                   const std::string& date) {
    BusDatabaseWriter writer(file);
    for (const std::string& lineId : network.lineIds) writer.addLineId(lineId);
    writer.setDate(date);
    for (const LineRow& line : network.lines) writer.addLine(line);
    for (const StationRow& station : network.stations) writer.addStation(station);
    for (const PositionRow& position : network.positions) writer.addPosition(position);
    for (const WalkRow& walk : network.walks) writer.addWalk(walk);
    writer.commit();
}

}  // namespace

ImportSummary importGtfs(const GtfsImportOptions& options, const ReadProgress& stopTimesProgress) {
    StagedFile staged(options.out);
    GtfsFeed feed(options.feed);

    // Every required file and column is checked before the long read begins.
    CsvTable stopsTable("stops.txt", feed.open("stops.txt"));
    CsvTable routesTable("routes.txt", feed.open("routes.txt"));
    CsvTable tripsTable("trips.txt", feed.open("trips.txt"));
    CsvTable stopTimesTable("stop_times.txt", feed.open("stop_times.txt"));
    GtfsStops::checkColumns(stopsTable);
    GtfsRoutes::checkColumns(routesTable);
    GtfsTrips::checkColumns(tripsTable);
    TripStops::checkColumns(stopTimesTable);
    std::optional<CsvTable> frequenciesTable;
    if (feed.has("frequencies.txt")) {
        frequenciesTable.emplace("frequencies.txt", feed.open("frequencies.txt"));
        GtfsFrequencies::checkColumns(*frequenciesTable);
    }
    std::optional<CsvTable> transfersTable;
    if (feed.has("transfers.txt")) {
        transfersTable.emplace("transfers.txt", feed.open("transfers.txt"));
        GtfsTransfers::checkColumns(*transfersTable);
    }

    ImportSummary summary;
    summary.out = options.out;
    summary.citycode = options.citycode;
    GtfsStops stops = GtfsStops::read(stopsTable, summary);
    GtfsTransfers transfers;
    if (transfersTable) transfers = GtfsTransfers::read(*transfersTable, stops, summary);
    GtfsRoutes routes = GtfsRoutes::read(routesTable, summary);
    GtfsTrips trips = GtfsTrips::read(tripsTable, routes, summary);
    GtfsFrequencies frequencies;
    if (frequenciesTable) frequencies = GtfsFrequencies::read(*frequenciesTable, trips, summary);
    TripStops tripStops = TripStops::read(stopTimesTable, stops, trips, summary, stopTimesProgress);
    summary.stopTimes = tripStops.rows();

    GtfsNetwork network = GtfsNetwork::build(stops, routes, trips, tripStops, frequencies,
                                             transfers, options.citycode, summary);
    if (network.lines.empty()) {
        throw Error(ErrorKind::BadData,
                    "GTFS 数据 “" + options.feed.string() + "” 中没有可导入的线路");
    }
    summary.routes = network.routes;
    summary.lines = network.lines.size();
    summary.branchLines = network.branchLines;
    summary.stations = network.stations.size();
    summary.trips = network.trips;
    summary.tripsInOrder = network.tripsInOrder;
    summary.positions = network.positions.size();
    summary.namesSplit = network.namesSplit;
    summary.mergedLines = network.mergedLines;
    summary.walks = network.walks.size();
    if (options.date) {
        summary.date = *options.date;
    } else if (auto date = feedStartDate(feed)) {
        summary.date = *date;
    } else {
        summary.date = serviceStartDate(feed).value_or(today());
    }

    writeDatabase(staged.path(), network, summary.date);
    staged.commit();
    return summary;
}

}  // namespace busquery
