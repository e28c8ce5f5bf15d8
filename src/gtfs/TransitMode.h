#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace busquery {

// The kind of vehicle a route runs, as route_type gives it. The modes after the bus are in the
// order of their words in kModeWords.
enum class TransitMode : std::uint8_t {
    Bus,
    Tram,  // tram, streetcar, light rail
    Subway,
    Rail,
    Ferry,
    CableCar,  // cable tram, aerial lift, funicular
    Trolleybus,
    Monorail,
};

// The mode of a route_type: the basic types 0 to 12 and the extended ones (100 to 1700) by
// their group. A type that is empty, unknown or no number is a bus, the mode most routes run.
TransitMode transitModeOf(std::optional<std::int64_t> routeType);

// The word a Chinese traveller puts before a line of the mode (地铁, 无轨电车, …); empty for buses.
std::string_view modeWord(TransitMode mode);

// The word after a line's number: 号线 for lines of rail, 路 for the others.
std::string_view numberWord(TransitMode mode);

// A numbered route's line name: 12路 for a bus, 地铁1号线, 有轨电车1路, 无轨电车1路, 铁路1号线,
// 轮渡1路, 索道1号线, 单轨1号线 for the others.
std::string numberedLineName(TransitMode mode, std::string_view number);

}  // namespace busquery
