#pragma once

#include <cstdint>
#include <random>

#include "reference/TimetableBuilder.h"

namespace busquery {

struct RandomTimetableShape {
    std::uint32_t columns = 6;  // stations on a grid, columns × rows, 300 m apart
    std::uint32_t rows = 5;
    std::uint32_t lines = 10;
    std::uint32_t minStops = 3;
    std::uint32_t maxStops = 8;
    std::uint32_t minHeadway = 8;  // minutes between the trips of a regular line
    std::uint32_t maxHeadway = 40;
    std::int32_t days = 21;
    bool calendar = true;
};

// A city of lines wandering over a grid of stations: regular lines every few minutes through the
// day, some of them past midnight, night lines, the odd slower trip that a later one overtakes,
// trips that run only part of their line,
// services by weekday with added and removed days, walks between neighbours and a few minimum
// change times. The calendar starts on a Monday.
TimetableBuilder randomTimetable(std::mt19937& random, const RandomTimetableShape& shape);

}  // namespace busquery
