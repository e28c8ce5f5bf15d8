#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace busquery {

// Seconds from the start of the service day, as GTFS counts them: "25:10:00" is ten past one
// in the night after the service day, later than "23:45:00".
using ServiceSeconds = std::int32_t;

// The latest time a trip can reach: a service day's trips end on the day after it. A feed
// with later times is taken for hostile, not for trips running for days.
inline constexpr ServiceSeconds kLatestServiceTime = 48 * 3600;

// Reads H:MM:SS or HH:MM:SS (hours may pass 24); nullopt when the text is no such time or one
// past kLatestServiceTime.
std::optional<ServiceSeconds> parseGtfsTime(std::string_view text);

// The import summary's reasons for a time parseGtfsTime refuses.
inline constexpr std::string_view kTimeUnreadable = "时间格式无效";
inline constexpr std::string_view kTimeBeyondTwoDays = "时间超过 48:00:00";
// Which of them applies to text.
std::string_view gtfsTimeProblem(std::string_view text);

// The clock time of a departure as HH:MM; hours past midnight wrap to the next day's clock.
std::string clockText(ServiceSeconds seconds);

}  // namespace busquery
