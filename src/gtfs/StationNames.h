#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace busquery {

// What tells a station apart from others of its name.
struct StationFacts {
    std::string name;         // the name the feed gives it
    std::string description;  // its first stop_desc, may be empty
    std::string zone;         // its zone_id, may be empty
    std::uint32_t lines = 0;  // the lines that stop there
    std::string terminus;  // where its busiest line ends (or starts, if it ends here); may be empty
};

// The names of the stations, in the same order. A name the feed gives to several stations
// (places far apart) stays with the one most lines stop at (the first of them on a tie); each
// other gets an addition a traveller can tell apart: its stop_desc in full-width brackets, else
// its zone after "·", else the terminus of its busiest line (（往…）), else a number (（2）).
// Every name returned differs from every other, ASCII letter case aside.
std::vector<std::string> nameStationsApart(const std::vector<StationFacts>& stations,
                                           std::uint64_t& namesSplit);

}  // namespace busquery
