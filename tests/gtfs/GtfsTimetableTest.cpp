#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gtfs/GtfsImporter.h"
#include "gtfs/GtfsTestFeed.h"
#include "store/BusDatabase.h"
#include "store/TimetableTables.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

using test::basicFeed;
using test::GtfsTestFeed;
using test::TempDir;

std::string minuteText(int minute) {
    if (minute == TripTimes::kNoStop) return "--";
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60, minute % 60);
    return text;
}

std::string dateText(std::int32_t date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d", date / 100 % 100, date % 100);
    return text;
}

// The timetable tables of an imported file as text: each line's trips in the order the file
// keeps them (a stop's arrival/departure where they differ), each service's weekdays (Monday
// first), date range and added (+) and removed (-) days, and the change times.
std::string render(const std::filesystem::path& file) {
    BusDatabase database(file);
    std::map<std::int64_t, std::string> trips;  // by lnid
    forEachTrip(database, [&](const TripRow& trip) {
        std::string& text = trips[trip.lnid];
        text += " ";
        for (std::size_t i = 0; i < trip.times.arrivals.size(); ++i) {
            text += " " + minuteText(trip.times.arrivals[i]);
            if (trip.times.departures[i] != trip.times.arrivals[i]) {
                text += "/" + minuteText(trip.times.departures[i]);
            }
        }
        text += " → " + trip.headsign + " s" + std::to_string(trip.service) + "\n";
    });
    std::string text;
    SQLite::Database raw(file.string(), SQLite::OPEN_READONLY);
    SQLite::Statement lines(raw, "SELECT lnid, lnna FROM nlninfo ORDER BY rowid");
    while (lines.executeStep()) {
        const auto found = trips.find(lines.getColumn(0).getInt64());
        if (found != trips.end()) text += lines.getColumn(1).getString() + "\n" + found->second;
    }
    const std::vector<ServiceRow> services = readServices(database);
    if (services.empty()) text += "every day\n";
    const std::vector<ServiceDateRow> dates = readServiceDates(database);
    for (const ServiceRow& service : services) {
        text += "s" + std::to_string(service.service) + ": ";
        for (int day = 0; day < 7; ++day) text += (service.weekdays >> day & 1) ? '1' : '0';
        if (service.startDate != 0) {
            text += " " + dateText(service.startDate) + ".." + dateText(service.endDate);
        }
        for (const ServiceDateRow& date : dates) {
            if (date.service == service.service) {
                text += std::string(" ") + (date.added ? "+" : "-") + dateText(date.date);
            }
        }
        text += "\n";
    }
    for (const ChangeRow& change : readChanges(database)) {
        text += change.stna + " → " + change.tostna + " " + std::to_string(change.minutes) + "'\n";
    }
    return text;
}

struct Case {
    const char* name;
    GtfsTestFeed feed;
    std::string expected;
};

class GtfsTimetableTest : public ::testing::TestWithParam<Case> {};

TEST_P(GtfsTimetableTest, ImportedTimetableIsWrittenAsTheFeedGivesIt) {
    TempDir dir;
    GtfsImportOptions options;
    options.feed = GetParam().feed.writeFolder(dir / "feed");
    options.out = dir / "busdata";
    importGtfs(options);
    EXPECT_EQ(render(options.out), GetParam().expected);
}

GtfsTestFeed withFiles(std::initializer_list<std::pair<const char*, const char*>> files) {
    GtfsTestFeed feed = basicFeed();
    for (const auto& [name, content] : files) feed.file(name, content);
    return feed;
}

INSTANTIATE_TEST_SUITE_P(
    Feeds, GtfsTimetableTest,
    ::testing::Values(
        Case{"NoCalendarRunsEveryDayAndPastMidnightKeepsCounting", basicFeed(),
             "12路上行\n"
             "  06:00 06:05 06:10 → 北站 s0\n"
             "  22:30 22:35 22:40 → 北站 s0\n"
             "12路下行\n"
             "  24:50 24:55 25:00 → 东桥 s0\n"
             "every day\n"},
        Case{"CalendarWithAddedAndRemovedDays",
             withFiles({{"trips.txt",
                         "route_id,service_id,trip_id,direction_id,trip_headsign\n"
                         "R12,WK,T1,0,北站方向\n"
                         "R12,WE,T2,0,\n"
                         "R12,WK,T3,1,\n"},
                        {"calendar.txt",
                         "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,"
                         "start_date,end_date\n"
                         "WK,1,1,1,1,1,0,0,20260101,20260112\n"
                         "WE,0,0,0,0,0,1,1,20260101,20260131\n"},
                        {"calendar_dates.txt",
                         "service_id,date,exception_type\n"
                         "WK,20260106,2\n"
                         "WK,20260110,1\n"
                         "WE,20260111,2\n"
                         "XX,20260111,1\n"}}),
             "12路上行\n"
             "  06:00 06:05 06:10 → 北站方向 s0\n"
             "  22:30 22:35 22:40 → 北站 s1\n"
             "12路下行\n"
             "  24:50 24:55 25:00 → 东桥 s0\n"
             "s0: 1111100 01-01..01-12 -01-06 +01-10\n"
             "s1: 0000011 01-01..01-31 -01-11\n"},
        Case{"ACalendarWithoutItsColumnsIsNotUsed",
             withFiles({{"calendar.txt", "service_id,start_date\nWK,20260101\n"}}),
             "12路上行\n"
             "  06:00 06:05 06:10 → 北站 s0\n"
             "  22:30 22:35 22:40 → 北站 s0\n"
             "12路下行\n"
             "  24:50 24:55 25:00 → 东桥 s0\n"
             "every day\n"},
        Case{"TripsOfOnePatternSortedByDepartureWithWaitsAndSecondsDropped",
             withFiles({{"stop_times.txt",
                         "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
                         "T1,22:00:00,22:00:59,S1a,1\n"
                         "T1,22:05:30,22:07:10,S2,2\n"
                         "T1,22:10:00,22:10:00,S3,3\n"
                         "T2,06:00:00,06:00:00,S1a,1\n"
                         "T2,,,S2,2\n"
                         "T2,06:10:00,06:10:00,S3,3\n"
                         "T3,25:10:00,25:10:00,S3,1\n"
                         "T3,25:15:00,25:15:00,S2,2\n"
                         "T3,25:20:00,25:20:00,S1b,3\n"}}),
             "12路上行\n"
             "  06:00 06:05 06:10 → 北站 s0\n"
             "  22:00 22:05/22:07 22:10 → 北站 s0\n"
             "12路下行\n"
             "  25:10 25:15 25:20 → 东桥 s0\n"
             "every day\n"},
        Case{"ShortRunsKeptBackwardTimesAndMissingEndTimesLeftOut",
             withFiles({{"trips.txt",
                         "route_id,service_id,trip_id,direction_id\n"
                         "R12,WK,T1,0\nR12,WK,T2,0\nR12,WK,T3,1\n"
                         "R12,WK,T4,0\nR12,WK,T5,0\nR12,WK,T6,0\nR12,WK,T7,0\n"},
                        {"stop_times.txt",
                         "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
                         "T1,06:00:00,06:00:00,S1a,1\nT1,06:05:00,06:05:00,S2,2\n"
                         "T1,06:10:00,06:10:00,S3,3\n"
                         "T2,07:00:00,07:00:00,S1a,1\nT2,07:05:00,07:05:00,S2,2\n"
                         "T2,07:10:00,07:10:00,S3,3\n"
                         "T3,08:00:00,08:00:00,S3,1\nT3,08:05:00,08:05:00,S1b,2\n"
                         "T4,09:00:00,09:00:00,S1a,1\nT4,09:05:00,09:05:00,S2,2\n"
                         "T5,10:00:00,10:00:00,S1a,1\nT5,09:55:00,09:55:00,S2,2\n"
                         "T5,10:10:00,10:10:00,S3,3\n"
                         "T6,11:00:00,11:00:00,S1a,1\nT6,11:05:00,11:05:00,S2,2\n"
                         "T6,,,S3,3\n"
                         "T7,12:00:00,12:00:00,S1a,1\nT7,12:10:00,12:10:00,S3,2\n"}}),
             "12路上行\n"
             "  06:00 06:05 06:10 → 北站 s0\n"
             "  07:00 07:05 07:10 → 北站 s0\n"
             "  09:00 09:05 -- → 西门 s0\n"
             "  12:00 -- 12:10 → 北站 s0\n"
             "12路下行\n"
             "  08:00 08:05 → 东桥 s0\n"
             "every day\n"},
        Case{"FrequencyTripsStandForEachDeparture",
             withFiles({{"frequencies.txt",
                         "trip_id,start_time,end_time,headway_secs\n"
                         "T1,07:00:00,07:30:00,900\n"
                         "T1,23:50:00,24:10:00,1200\n"}}),
             "12路上行\n"
             "  07:00 07:05 07:10 → 北站 s0\n"
             "  07:15 07:20 07:25 → 北站 s0\n"
             "  22:30 22:35 22:40 → 北站 s0\n"
             "  23:50 23:55 24:00 → 北站 s0\n"
             "12路下行\n"
             "  24:50 24:55 25:00 → 东桥 s0\n"
             "every day\n"},
        Case{"TransfersGiveLeastChangeTimesRoundedUpTheLongestOfAStationPair",
             withFiles({{"transfers.txt",
                         "from_stop_id,to_stop_id,transfer_type,min_transfer_time\n"
                         "S1a,S1b,2,150\n"
                         "S1b,S1a,2,60\n"
                         "S1a,S1b,2,200\n"
                         "S2,S3,2,300\n"
                         "S2,S3,3,\n"}}),
             "12路上行\n"
             "  06:00 06:05 06:10 → 北站 s0\n"
             "  22:30 22:35 22:40 → 北站 s0\n"
             "12路下行\n"
             "  24:50 24:55 25:00 → 东桥 s0\n"
             "every day\n"
             "东桥 → 东桥 4'\n"
             "西门 → 北站 5'\n"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace busquery
