#include "reference/TimetableBuilder.h"

#include <algorithm>

namespace busquery {

TimetableBuilder::TimetableBuilder(std::uint32_t stationCount, ServiceDay firstDay,
                                   std::int32_t dayCount) {
    parts_.stationCount = stationCount;
    timetable_.firstDay = firstDay;
    timetable_.dayCount = dayCount;
    timetable_.wordsPerService = static_cast<std::uint32_t>((dayCount + 63) / 64);
}

std::uint32_t TimetableBuilder::addService(const std::vector<std::int32_t>& days) {
    const auto service =
        static_cast<std::uint32_t>(timetable_.serviceDays.size() / timetable_.wordsPerService);
    timetable_.serviceDays.resize(timetable_.serviceDays.size() + timetable_.wordsPerService);
    for (const std::int32_t day : days) {
        if (day < 0 || day >= timetable_.dayCount) continue;
        timetable_.serviceDays[service * timetable_.wordsPerService + day / 64] |= std::uint64_t{1}
                                                                                   << (day % 64);
    }
    return service;
}

void TimetableBuilder::addLine(std::vector<Station> stations,
                               std::vector<std::pair<std::uint32_t, TripTimes>> trips,
                               const std::string& headsign) {
    // By the departure from the first stop each trip serves, as the import orders them.
    auto leaves = [](const TripTimes& times) {
        for (const auto& [arrival, departure] : times) {
            if (arrival != Timetable::kNoStop) return departure;
        }
        return Timetable::kNoStop;
    };
    std::stable_sort(trips.begin(), trips.end(), [&](const auto& a, const auto& b) {
        return leaves(a.second) < leaves(b.second);
    });
    Timetable::Line line;
    line.firstTrip = static_cast<std::uint32_t>(timetable_.trips.size());
    line.tripCount = static_cast<std::uint32_t>(trips.size());
    line.stopCount = static_cast<std::uint32_t>(stations.size());
    line.firstTime = static_cast<std::uint32_t>(timetable_.arrivals.size());
    const auto sign = static_cast<std::uint32_t>(timetable_.headsigns.size());
    timetable_.headsigns.push_back(headsign);
    for (const auto& [service, times] : trips) {
        timetable_.trips.push_back(Timetable::Trip{service, sign});
        for (const auto& [arrival, departure] : times) {
            timetable_.arrivals.push_back(arrival);
            timetable_.departures.push_back(departure);
        }
    }
    timetable_.lines.push_back(line);
    parts_.lineStations.push_back(std::move(stations));
}

void TimetableBuilder::addWalk(Station from, Station to, std::uint32_t metres) {
    parts_.walks.push_back({from, to, metres, static_cast<std::uint32_t>(parts_.walks.size())});
}

void TimetableBuilder::addChange(Station from, Station to, std::uint16_t minutes) {
    parts_.changes.push_back({from, to, minutes});
    timetable_.minimumChanges.push_back({std::to_string(from), std::to_string(to), minutes});
}

}  // namespace busquery
