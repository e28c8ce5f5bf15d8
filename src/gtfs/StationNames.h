#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gtfs/ImportSummary.h"
#include "store/StationGeometry.h"

namespace busquery {

// A line as a station's name shows it.
struct ServingLine {
    std::string name;    // as the line list writes it: 12路, 地铁1号线, A
    std::string number;  // where it is numbered: its number, its mode word and the word after it
    std::string mode;    // (1, 地铁, 号线); all three empty otherwise
    std::string word;
};

// What tells a station apart from others of its name.
struct StationFacts {
    std::string name;  // the name the feed gives it
    std::optional<GeoPoint> position;
    std::vector<ServingLine> lines;  // at least one; each line name once, in lnid order
};

// The names of the stations, in the same order. Where the feed gives one name to several
// stations (places far apart), each of them adds what a traveller can check on the spot, in
// full-width brackets: the lines that stop there (those no other place of the name has where
// there are any, at most three) where no other place of the name shows the same, else its side of
// town relative to the other places of the name (东, 东北, …), else both. Nothing is added that
// reads like a direction of travel or is a bare number. Every name returned differs from every
// other, ASCII letter case aside; `apart` receives each name that was split, in the order met.
std::vector<std::string> nameStationsApart(const std::vector<StationFacts>& stations,
                                           std::vector<NamedApart>& apart);

}  // namespace busquery
