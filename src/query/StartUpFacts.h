#pragma once

#include <string>
#include <vector>

namespace busquery {

// What the window shows before the first query: the line list of table no, the data date, and
// whether the data has a timetable (then a route search can ask for a time).
struct StartUpFacts {
    std::vector<std::string> lineIds;
    std::string dataDate;
    bool timetable = false;
};

}  // namespace busquery
