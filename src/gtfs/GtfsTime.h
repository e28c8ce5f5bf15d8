#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace busquery {

// Seconds from the start of the service day, as GTFS counts them: "25:10:00" is ten past one
// in the night after the service day, later than "23:45:00".
using ServiceSeconds = std::int32_t;

// Reads H:MM:SS or HH:MM:SS (hours may pass 24); nullopt when the text is no such time.
std::optional<ServiceSeconds> parseGtfsTime(std::string_view text);

// The clock time of a departure as HH:MM; hours past midnight wrap to the next day's clock.
std::string clockText(ServiceSeconds seconds);

}  // namespace busquery
