#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/RouteIndex.h"
#include "input/StationTextIndex.h"

namespace busquery {

class BusDatabase;

// One row of nlninfo. Null columns read as the empty text.
struct LineInfo {
    std::string citycode;
    std::string lnna;
    std::string fltime;
    std::string passstna;
    std::vector<std::string> stops;  // Passstna read as a name list
    bool inCity = false;             // citycode is the program's city (ASCII case ignored)
};

// One row of nstinfo. Null columns read as the empty text.
struct StationInfo {
    std::string stna;
    std::string rdna;
    std::string near;
    std::string passlnna;
    std::vector<std::string> lines;  // Passlnna read as a name list
};

// The network of one busdata content, in memory. Every query answers from it instead of issuing
// its statements; the orders below are those the statements give, so the answers are the same.
struct NetworkIndex {
    std::vector<LineInfo> lines;                 // table (rowid) order
    std::vector<std::uint32_t> linesByLnid;      // indexes into lines: ORDER BY lnid, rowid
    std::vector<std::uint32_t> cityLinesByLnid;  // the same, only lines of the city
    std::vector<StationInfo> stations;           // table (rowid) order
    std::vector<std::uint32_t> stationsByName;   // ORDER BY stna COLLATE pinyin, rowid
    StationTextIndex stationText;                // characters of stna, rdna, near
    RouteIndex routes;                           // station lists for the route search

    static NetworkIndex build(BusDatabase& database);
};

}  // namespace busquery
