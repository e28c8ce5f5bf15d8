#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "route/TimedNetwork.h"

namespace busquery {

// Builds a Timetable and the network parts around it line by line, as the loader would: trips
// of a line sorted by their first departure, the calendar as one bit per day and service.
class TimetableBuilder {
  public:
    using Station = TimedNetwork::Station;
    // Per stop of a trip: arrival and departure minute.
    using TripTimes = std::vector<std::pair<ServiceMinute, ServiceMinute>>;

    TimetableBuilder(std::uint32_t stationCount, ServiceDay firstDay, std::int32_t dayCount);

    // A service running on the given days (offsets from firstDay); returns its number.
    std::uint32_t addService(const std::vector<std::int32_t>& days);
    // A line through the stations with its trips, each on a service and with a headsign.
    void addLine(std::vector<Station> stations,
                 std::vector<std::pair<std::uint32_t, TripTimes>> trips,
                 const std::string& headsign = "");
    void addWalk(Station from, Station to, std::uint32_t metres);
    void addChange(Station from, Station to, std::uint16_t minutes);
    void withoutCalendar() { timetable_.calendarGiven = false; }

    // The timetable and parts; the network built from them points into `timetable`.
    Timetable& timetable() { return timetable_; }
    TimedNetwork::Parts& parts() { return parts_; }
    const Timetable& timetable() const { return timetable_; }
    const TimedNetwork::Parts& parts() const { return parts_; }

  private:
    Timetable timetable_;
    TimedNetwork::Parts parts_;
};

}  // namespace busquery
