#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/TripTimes.h"

namespace busquery {

// One row type per table of the bus database, and the rows of a whole file.

// nlninfo: a line, one direction of one stop pattern.
struct LineRow {
    std::int64_t lnid = 0;
    std::string citycode;
    std::string lnna;
    std::string fltime;
    std::string passstna;  // names each followed by ";"
};

// nstinfo: a station.
struct StationRow {
    std::string stna;
    std::string rdna;
    std::string near;
    std::string passlnna;  // line names each followed by ";"
};

// nstpos: the mean position of a station's stops.
struct PositionRow {
    std::string stna;
    double lat = 0;  // WGS84 degrees
    double lon = 0;
};

// nstwalk: a walk from one station to another; the way back is a row of its own.
struct WalkRow {
    std::string stna;
    std::string tostna;
    std::int64_t metres = 0;
};

// nlntrip: one trip of a line, stopping at every station of the line's Passstna in turn.
struct TripRow {
    std::int64_t lnid = 0;
    std::uint32_t service = 0;  // the nsvinfo row whose days it runs on
    std::string headsign;
    TripTimes times;
};

// nsvinfo: the regular days of one service (calendar.txt). A service known only from its
// added dates has no weekdays and no date range.
struct ServiceRow {
    std::uint32_t service = 0;
    std::string serviceId;       // the feed's service_id, for people reading the file
    std::uint8_t weekdays = 0;   // bit 0 Monday … bit 6 Sunday
    std::int32_t startDate = 0;  // YYYYMMDD, 0 for none
    std::int32_t endDate = 0;
};

// nsvdate: a day added to or removed from a service (calendar_dates.txt).
struct ServiceDateRow {
    std::uint32_t service = 0;
    std::int32_t date = 0;  // YYYYMMDD
    bool added = false;
};

// nstchange: the least time a change of line needs between two stations, or at one.
struct ChangeRow {
    std::string stna;
    std::string tostna;
    std::uint32_t minutes = 0;
};

// nctinfo: the city a file holds, as its feed names it: the agency's name and the feed's
// language (a BCP 47 tag such as "lt" or "en"; empty when the feed gives none).
struct CityRow {
    std::string citycode;
    std::string ctna;
    std::string lang;
};

// nsttrans: a station's name in another language, as the feed's translations give it. lang is
// a BCP 47 tag ("en"); a station has at most one row per language.
struct StationNameRow {
    std::string stna;
    std::string lang;
    std::string name;
};

// nlntrans: a line name in another language, as the feed's translations give its route's name.
// lnna is the route name the lines' names begin with, without direction or branch words
// ("空港線" for 空港線上行 and 空港線下行); a name has at most one row per language.
struct LineNameRow {
    std::string lnna;
    std::string lang;
    std::string name;
};

// Everything a new bus database holds. The timetable tables (nlntrip, nsvinfo, nsvdate,
// nstchange) are written only when there are trips: a file without trips answers without times.
// A file with trips but no service rows runs every trip every day.
struct BusDataRows {
    std::vector<std::string> lineIds;  // table no
    std::string date;                  // dbdate
    std::vector<LineRow> lines;
    std::vector<StationRow> stations;
    std::vector<PositionRow> positions;
    std::vector<WalkRow> walks;
    std::vector<TripRow> trips;
    std::vector<ServiceRow> services;
    std::vector<ServiceDateRow> serviceDates;
    std::vector<ChangeRow> changes;
    std::optional<CityRow> city;               // nctinfo, written only when the city has a name
    std::vector<StationNameRow> stationNames;  // nsttrans, written only when there are some
    std::vector<LineNameRow> lineNames;        // nlntrans, written only when there are some
};

}  // namespace busquery
