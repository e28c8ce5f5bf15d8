#pragma once

#include <string>
#include <vector>

#include "store/City.h"

namespace busquery {

// What the window shows before the first query: the line list of table no, the data date, and
// whether the data has a timetable (then a route search can ask for a time).
// The city's fixed facts beside them (the night lines the list offers, the publisher's site) are
// those of store/City.h, which the front ends see through this header.
struct StartUpFacts {
    std::vector<std::string> lineIds;
    std::string dataDate;
    bool timetable = false;
};

}  // namespace busquery
