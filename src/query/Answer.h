#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "query/OutcomeCode.h"
#include "query/QueryMode.h"
#include "query/TimedRoute.h"
#include "route/DirectLine.h"
#include "route/Plan.h"
#include "route/Timetable.h"
#include "search/EnglishStationNames.h"

namespace busquery {

// A line found by line lookup, its columns as stored.
struct LineEntry {
    std::string lnna;
    std::string fltime;
    std::string passstna;  // names each followed by ";"

    bool operator==(const LineEntry&) const = default;
};

// A station found by station lookup, with the distinct lines that stop there.
struct StationEntry {
    std::string stna;
    std::vector<std::string> lines;

    bool operator==(const StationEntry&) const = default;
};

// What one query came to, as data. The renderer turns it into the pieces of the result pane;
// the CLI also prints it as JSON. Only the part of the query's mode is filled.
struct Answer {
    Answer() = default;
    explicit Answer(QueryMode queryMode) : mode(queryMode) {}

    QueryMode mode = QueryMode::None;
    OutcomeCode outcome = OutcomeCode::EmptyInput;  // intOutState after the query
    std::int32_t records = 0;                       // lngRecordNum after the query
    std::string city;  // the city the database answered for; empty when none was read
    // An English interface's names of the stations, where the file has some: the renderer
    // shows the stations by them.
    std::shared_ptr<const EnglishStationNames> englishNames;

    std::vector<LineEntry> lines;  // line lookup
    // Line lookup on a day, data with a timetable: per line its departures from its first
    // station that day in order, parallel to lines.
    std::vector<std::vector<ServiceMinute>> lineDepartures;
    ServiceDay departuresDay = 0;
    std::vector<StationEntry> stations;  // station lookup
    std::string from;                    // route search: the two stations as the answer names them
    std::string to;
    std::vector<DirectLine> direct;  // route search: the direct lines
    std::vector<Plan> plans;         // route search without a direct line: the ranked plans
    // A route search at a time: its journeys by the clock, or the lines it left out.
    std::optional<TimedRouteAnswer> timed;

    bool operator==(const Answer&) const = default;
};

}  // namespace busquery
