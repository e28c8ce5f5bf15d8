#include "route/Timetable.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <string>

#include "network/BusData.h"
#include "store/WriteBusData.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

// Two lines of three stations; trips given as their departure at the first stop.
BusDataRows twoLines() {
    BusDataRows rows;
    rows.date = "2026.1.5";
    rows.lines = {{7, "velmorina", "1路上行", "", "甲;乙;丙;"},
                  {8, "velmorina", "1路下行", "", "丙;乙;甲;"}};
    rows.stations = {{"甲", "", "", "1路上行;1路下行;"},
                     {"乙", "", "", "1路上行;1路下行;"},
                     {"丙", "", "", "1路上行;1路下行;"}};
    auto trip = [](std::int64_t lnid, std::uint32_t service, std::uint16_t first) {
        const std::vector<std::uint16_t> times{first, static_cast<std::uint16_t>(first + 5),
                                               static_cast<std::uint16_t>(first + 9)};
        return TripRow{lnid, service, "丙", {times, times}};
    };
    rows.trips = {trip(7, 0, 600), trip(7, 1, 480), trip(8, 0, 1500)};
    return rows;
}

// Per line the departures of its trips from the first stop, their arrivals at the last and
// their services, then the calendar's first day and length.
std::string summary(const Timetable& t) {
    std::string text;
    for (const Timetable::Line& line : t.lines) {
        text += "[";
        for (std::uint32_t trip = line.firstTrip; trip < line.firstTrip + line.tripCount; ++trip) {
            text += " " + std::to_string(t.departuresOf(trip, line).front()) + "-" +
                    std::to_string(t.arrivalsOf(trip, line).back()) + "/s" +
                    std::to_string(t.trips[trip].service);
        }
        text += " ] ";
    }
    return text + "days " + std::to_string(t.dayCount) + (t.calendarGiven ? "" : " daily");
}

// What the loader keeps of a file's timetable rows, damaged ones included: only trips that
// fit their line and run on a known service, and nothing at all for a file without the tables.
TEST(TimetableLoad, KeepsTheTripsThatFitTheirLines) {
    struct Case {
        const char* name;
        bool timetable;
        std::vector<std::string> sql;  // run on the written file
        std::string expected;
    };
    const Case cases[] = {
        {"no tables", false, {}, "[ ] [ ] days 0"},
        {"no calendar", true, {}, "[ 480-489/s1 600-609/s0 ] [ 1500-1509/s0 ] days 36525 daily"},
        {"a row stored after another line's",
         true,
         {"INSERT INTO nlntrip VALUES (7, 0, 'x', x'f80a020a')"},  // 700, 701, 706
         "[ 480-489/s1 600-609/s0 700-706/s0 ] [ 1500-1509/s0 ] days 36525 daily"},
        {"damaged rows left out",
         true,
         {"INSERT INTO nlntrip VALUES (7, 0, 'x', x'02')",          // one stop of three
          "INSERT INTO nlntrip VALUES (99, 0, 'x', x'020202')",     // no such line
          "INSERT INTO nlntrip VALUES (7, 0, 'x', x'ffffffffff')",  // no varints
          "INSERT INTO nlntrip VALUES (7, NULL, 'x', x'020202')"},  // no service
         "[ 480-489/s1 600-609/s0 ] [ 1500-1509/s0 ] days 36525 daily"},
        {"calendar: unknown services never run",
         true,
         {"INSERT INTO nsvinfo VALUES (0, 'WK', 31, 20260105, 20260109)"},
         "[ 600-609/s0 ] [ 1500-1509/s0 ] days 5"},
        {"calendar of added days only",
         true,
         {"INSERT INTO nsvinfo VALUES (0, 'A', 0, NULL, NULL)",
          "INSERT INTO nsvinfo VALUES (1, 'B', 0, NULL, NULL)",
          "INSERT INTO nsvdate VALUES (1, 20260110, 1)",
          "INSERT INTO nsvdate VALUES (1, 20260101, 1)",
          "INSERT INTO nsvdate VALUES (0, 20260301, 0)"},
         "[ 480-489/s1 600-609/s0 ] [ 1500-1509/s0 ] days 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        BusDataRows rows = twoLines();
        if (!c.timetable) rows.trips.clear();
        writeBusData(dir / "busdata", rows);
        {
            SQLite::Database db((dir / "busdata").string(), SQLite::OPEN_READWRITE);
            for (const std::string& statement : c.sql) db.exec(statement);
        }
        BusData data(dir / "busdata");
        data.refresh();
        EXPECT_EQ(summary(data.index().derived<Timetable>()), c.expected);
    }
}

}  // namespace
}  // namespace busquery
