#include "sample/SampleTrips.h"

#include <cmath>

namespace busquery {
namespace {

enum class DayPart { Early, Peak, Day, Late };

DayPart partOf(int minute) {
    const int clock = minute % (24 * 60);
    if (clock < 7 * 60) return DayPart::Early;
    if (clock < 9 * 60 || (clock >= 17 * 60 && clock < 19 * 60)) return DayPart::Peak;
    if (clock < 21 * 60) return DayPart::Day;
    return DayPart::Late;
}

// Minutes between two departures.
int headway(RouteKind kind, DayPart part) {
    const bool peak = part == DayPart::Peak;
    const bool quiet = part == DayPart::Early || part == DayPart::Late;
    switch (kind) {
        case RouteKind::Metro:
            return peak ? 5 : quiet ? 12 : 8;
        case RouteKind::Bus:
        case RouteKind::MetroFeeder:
            return peak ? 15 : quiet ? 30 : 25;
        case RouteKind::Country:
            return peak ? 30 : 60;
        case RouteKind::AirportExpress:
            return 30;
        case RouteKind::Lianhua:
        case RouteKind::University:
            return peak ? 20 : 30;
        case RouteKind::PeakExpress:
            return 15;
        case RouteKind::Night:
            return 30;
    }
    return 30;
}

// Metres a minute, stops included.
double speed(RouteKind kind) {
    switch (kind) {
        case RouteKind::Metro:
            return 600;
        case RouteKind::Country:
        case RouteKind::AirportExpress:
            return 450;
        default:
            return 300;
    }
}

// Long bus lines turn every second peak trip back two thirds of the way out, where the crowds
// thin, so the timetable has short runs as real ones do.
bool turnsShort(RouteKind kind, std::size_t stops) {
    return (kind == RouteKind::Bus || kind == RouteKind::MetroFeeder) && stops >= 12;
}

}  // namespace

void addSampleTrips(std::int64_t lnid, RouteKind kind, const std::vector<ServiceWindow>& windows,
                    const std::vector<const SampleStop*>& stops, std::vector<TripRow>& trips) {
    if (stops.size() < 2) return;
    // Minutes from the first stop to each stop.
    std::vector<int> offsets{0};
    double metres = 0;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        metres +=
            std::hypot(stops[i]->east - stops[i - 1]->east, stops[i]->south - stops[i - 1]->south);
        offsets.push_back(static_cast<int>(metres / speed(kind)));
    }
    const std::size_t turn = stops.size() * 2 / 3;
    bool shortNext = false;
    for (const ServiceWindow& window : windows) {
        for (int departure = window.first; departure <= window.last;
             departure += headway(kind, partOf(departure))) {
            const bool isShort =
                turnsShort(kind, stops.size()) && partOf(departure) == DayPart::Peak && shortNext;
            if (partOf(departure) == DayPart::Peak) shortNext = !shortNext;
            const std::size_t served = isShort ? turn + 1 : stops.size();
            TripRow trip{lnid, 0, stops[served - 1]->name, {}};
            for (std::size_t i = 0; i < offsets.size(); ++i) {
                const auto minute = i < served ? static_cast<std::uint16_t>(departure + offsets[i])
                                               : TripTimes::kNoStop;
                trip.times.arrivals.push_back(minute);
                trip.times.departures.push_back(minute);
            }
            trips.push_back(std::move(trip));
        }
    }
}

}  // namespace busquery
