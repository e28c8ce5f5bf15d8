#include "reference/RandomTimetable.h"

#include <algorithm>
#include <cmath>

namespace busquery {

namespace {

constexpr ServiceDay kFirstMonday = 20458;  // 2026-01-05

std::uint32_t pick(std::mt19937& random, std::uint32_t low, std::uint32_t high) {
    return std::uniform_int_distribution<std::uint32_t>(low, high)(random);
}

// The stops a line's short runs serve, as feeds have them: a few patterns per line, not one per
// trip. One from a later stop to an earlier one, one passing some stops between; each keeps two
// stops at least. Empty for a line too short for them.
std::vector<std::vector<bool>> shortRunPatterns(std::mt19937& random, std::uint32_t count) {
    if (count < 3) return {};
    const std::uint32_t first = pick(random, 0, count - 2);
    const std::uint32_t last = pick(random, first + 1, count - 1);
    std::vector<bool> part(count);
    std::vector<bool> skipping(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        part[i] = i >= first && i <= last;
        skipping[i] = i == 0 || i + 1 == count || pick(random, 0, 2) != 0;
    }
    return {part, skipping};
}

// Now and then a trip runs one of its line's short run patterns.
void shortenRun(std::mt19937& random, const std::vector<std::vector<bool>>& patterns,
                TimetableBuilder::TripTimes& times) {
    const std::uint32_t kind = pick(random, 0, 9);
    if (kind >= patterns.size()) return;
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (!patterns[kind][i]) times[i] = {Timetable::kNoStop, Timetable::kNoStop};
    }
}

}  // namespace

TimetableBuilder randomTimetable(std::mt19937& random, const RandomTimetableShape& shape) {
    const std::uint32_t stations = shape.columns * shape.rows;
    TimetableBuilder builder(stations, kFirstMonday, shape.days);
    if (!shape.calendar) builder.withoutCalendar();

    // Weekdays, Saturdays, Sundays and every day, each with a few days added or taken away.
    std::vector<std::uint32_t> services;
    for (int kind = 0; kind < 4; ++kind) {
        std::vector<std::int32_t> days;
        for (std::int32_t day = 0; day < shape.days; ++day) {
            const int weekday = day % 7;
            bool runs = kind == 3 || (kind == 0 && weekday < 5) || (kind == 1 && weekday == 5) ||
                        (kind == 2 && weekday == 6);
            if (pick(random, 0, 19) == 0) runs = !runs;
            if (runs) days.push_back(day);
        }
        services.push_back(builder.addService(days));
    }

    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (std::uint32_t l = 0; l < shape.lines; ++l) {
        // A wander over the grid without coming back to a station.
        std::vector<TimedNetwork::Station> line;
        int x = static_cast<int>(pick(random, 0, shape.columns - 1));
        int y = static_cast<int>(pick(random, 0, shape.rows - 1));
        const std::uint32_t length = pick(random, shape.minStops, shape.maxStops);
        int direction = static_cast<int>(pick(random, 0, 3));
        line.push_back(static_cast<TimedNetwork::Station>(y * shape.columns + x));
        for (int tries = 0; line.size() < length && tries < 50; ++tries) {
            if (pick(random, 0, 2) == 0) direction = static_cast<int>(pick(random, 0, 3));
            const int nx = x + steps[direction][0];
            const int ny = y + steps[direction][1];
            if (nx < 0 || ny < 0 || nx >= static_cast<int>(shape.columns) ||
                ny >= static_cast<int>(shape.rows)) {
                continue;
            }
            const auto station = static_cast<TimedNetwork::Station>(ny * shape.columns + nx);
            if (std::find(line.begin(), line.end(), station) != line.end()) continue;
            line.push_back(station);
            x = nx;
            y = ny;
        }
        if (line.size() < 2) continue;

        std::vector<std::uint32_t> hops(line.size(), 0);
        for (std::size_t i = 1; i < line.size(); ++i) hops[i] = pick(random, 1, 4);
        const bool night = pick(random, 0, 5) == 0;
        const std::uint32_t first = night ? pick(random, 22 * 60, 24 * 60) : pick(random, 270, 480);
        const std::uint32_t last =
            night ? first + pick(random, 120, 360) : pick(random, 20 * 60, 25 * 60 + 30);
        const std::uint32_t headway =
            night ? pick(random, 30, 60) : pick(random, shape.minHeadway, shape.maxHeadway);
        const std::uint32_t service = services[pick(random, 0, 3)];
        const auto patterns = shortRunPatterns(random, static_cast<std::uint32_t>(line.size()));
        std::vector<std::pair<std::uint32_t, TimetableBuilder::TripTimes>> trips;
        for (std::uint32_t start = first; start <= last; start += headway) {
            // Now and then a slower trip, which the next may overtake, or one on another service.
            const std::uint32_t slower = pick(random, 0, 9) == 0 ? pick(random, 1, 6) : 0;
            const std::uint32_t tripService =
                pick(random, 0, 7) == 0 ? services[pick(random, 0, 3)] : service;
            TimetableBuilder::TripTimes times;
            std::uint32_t minute = start;
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (i > 0) minute += hops[i] + slower;
                const std::uint32_t dwell = i > 0 && i + 1 < line.size() ? pick(random, 0, 1) : 0;
                times.emplace_back(static_cast<ServiceMinute>(minute),
                                   static_cast<ServiceMinute>(minute + dwell));
                minute += dwell;
            }
            shortenRun(random, patterns, times);
            trips.emplace_back(tripService, std::move(times));
        }
        builder.addLine(std::move(line), std::move(trips), "H" + std::to_string(l));
    }

    // Walks to most neighbours, each way its own row, some of them as long again as the line.
    for (std::uint32_t s = 0; s < stations; ++s) {
        const std::uint32_t x = s % shape.columns;
        const std::uint32_t y = s / shape.columns;
        for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
            const std::uint32_t nx = x + dx;
            const std::uint32_t ny = y + dy;
            if (nx >= shape.columns || ny >= shape.rows || pick(random, 0, 2) == 0) continue;
            const auto metres = static_cast<std::uint32_t>(300.0 * std::hypot(dx, dy) *
                                                           (1.0 + pick(random, 0, 60) / 100.0));
            const auto other = ny * shape.columns + nx;
            builder.addWalk(s, other, metres);
            builder.addWalk(other, s, metres);
        }
    }
    for (std::uint32_t i = 0; i < stations / 8; ++i) {
        const auto station = pick(random, 0, stations - 1);
        builder.addChange(station, station, static_cast<std::uint16_t>(pick(random, 0, 6)));
    }
    for (std::uint32_t i = 0; i < stations / 10 && !builder.parts().walks.empty(); ++i) {
        const auto& walk = builder.parts().walks[pick(random, 0, builder.parts().walks.size() - 1)];
        builder.addChange(walk.from, walk.to, static_cast<std::uint16_t>(pick(random, 1, 12)));
    }
    return builder;
}

}  // namespace busquery
