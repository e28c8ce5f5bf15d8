#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace busquery {

// The minutes of a service day at which a trip reaches and leaves each stop of its line. Times
// past midnight keep counting (25:10 is 1510) on the day the trip belongs to. A trip that runs
// only part of its line (a short or skip-stop run) has kNoStop, arriving and leaving, at the
// stops it does not serve.
struct TripTimes {
    static constexpr std::uint16_t kNoStop = 0xFFFF;
    static constexpr std::uint16_t kLastMinute = kNoStop - 1;

    std::vector<std::uint16_t> arrivals;
    std::vector<std::uint16_t> departures;
};

// The form nlntrip keeps them in, about one byte a stop: varints of the arrival at the first
// stop, then for each stop the minutes since the previous departure (the run) doubled, plus
// one when the vehicle waits there, followed by the wait. Stops not served are the varints 1, 0
// (a wait of nothing, which no served stop writes) and how many in a row. Times must not go back.
std::string encodeTripTimes(const TripTimes& times);

// Fills times (reusing its storage); false when the bytes are no such encoding or a time passes
// kLastMinute.
bool decodeTripTimes(std::string_view bytes, TripTimes& times);

}  // namespace busquery
