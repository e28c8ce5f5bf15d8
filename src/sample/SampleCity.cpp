#include "sample/SampleCity.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <stdexcept>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sample/SampleNetwork.h"
#include "sample/SampleRandom.h"
#include "sample/SampleTrips.h"
#include "store/BusDataRows.h"
#include "store/City.h"
#include "store/StationGeometry.h"
#include "store/WriteBusData.h"

namespace busquery {
namespace {

// Where the grid's north-west crossing lies on the map.
constexpr GeoPoint kNorthWest{30.65, 114.15};
constexpr double kMetresPerDegree = 6371008.8 * std::numbers::pi / 180;

// A plain projection, one scale for the whole city: streets running north and south keep
// their longitude.
GeoPoint degrees(const SampleStop& stop) {
    const double lonScale = kMetresPerDegree * std::cos(kNorthWest.lat * std::numbers::pi / 180);
    return {kNorthWest.lat - stop.south / kMetresPerDegree, kNorthWest.lon + stop.east / lonScale};
}

// Lines are listed numbered lines first, then the categories in the order the line box offers
// them, then the night lines.
int listingGroup(RouteKind kind) {
    switch (kind) {
        case RouteKind::Bus:
        case RouteKind::Country:
            return 0;
        case RouteKind::AirportExpress:
            return 1;
        case RouteKind::Metro:
            return 2;
        case RouteKind::MetroFeeder:
            return 3;
        case RouteKind::Lianhua:
            return 4;
        case RouteKind::University:
            return 5;
        case RouteKind::PeakExpress:
            return 6;
        case RouteKind::Night:
            return 7;
    }
    return 7;
}

std::string lineName(RouteKind kind, int number) {
    const std::string n = std::to_string(number);
    switch (kind) {
        case RouteKind::Bus:
        case RouteKind::Country:
            return n + "路";
        case RouteKind::Metro:
            return "地铁" + n + "号线";
        case RouteKind::AirportExpress:
            return "机场快线" + n + "路";
        case RouteKind::MetroFeeder:
            return "公交地铁接驳专线" + n + "路";
        case RouteKind::Lianhua:
            return "莲花山专线" + n + "路";
        case RouteKind::University:
            return "大学城" + n + "路";
        case RouteKind::PeakExpress:
            return "高峰快线" + n + "路";
        case RouteKind::Night:
            return "夜" + n + "路";
    }
    return n;
}

std::string clock(int minutes) {
    minutes %= 24 * 60;
    auto twoDigits = [](int value) {
        return std::string{static_cast<char>('0' + value / 10),
                           static_cast<char>('0' + value % 10)};
    };
    return twoDigits(minutes / 60) + ":" + twoDigits(minutes % 60);
}

// Service times as the line lookup shows them right after the name, such as (06:00-22:30),
// with the windows they stand for in minutes of the service day (a night line's last bus after
// midnight counts on past 24:00). The return direction starts and ends a little later.
struct ServiceHours {
    std::string text;
    std::vector<ServiceWindow> windows;
};

class ServiceHoursPlan {
  public:
    explicit ServiceHoursPlan(SampleRandom& random) : random_(random) {}

    std::pair<ServiceHours, ServiceHours> times(RouteKind kind) {
        switch (kind) {
            case RouteKind::Bus:
                return span(330, 9, 1200, 21);
            case RouteKind::Country:
                return span(360, 9, 1080, 12);
            case RouteKind::Metro:
                return span(360, 3, 1350, 3);
            case RouteKind::AirportExpress:
                return span(330, 6, 1290, 8);
            case RouteKind::MetroFeeder:
                return span(390, 6, 1260, 9);
            case RouteKind::Lianhua:
                return span(480, 6, 1020, 9);
            case RouteKind::University:
                return span(390, 6, 1320, 6);
            case RouteKind::Night:
                return span(1320, 6, 300, 6);
            case RouteKind::PeakExpress: {
                const int morning = 420 + 10 * random_.between(0, 3);
                const int evening = 1020 + 10 * random_.between(0, 3);
                ServiceHours hours{"(" + clock(morning) + "-" + clock(morning + 120) + "," +
                                       clock(evening) + "-" + clock(evening + 120) + ")",
                                   {{morning, morning + 120}, {evening, evening + 120}}};
                return {hours, hours};
            }
        }
        return {};
    }

  private:
    // First bus from first plus up to firstSteps tens of minutes, last bus likewise.
    std::pair<ServiceHours, ServiceHours> span(int first, int firstSteps, int last, int lastSteps) {
        const int from = first + 10 * random_.between(0, firstSteps);
        const int to = last + 10 * random_.between(0, lastSteps);
        const int later = 10 * random_.between(0, 3);
        auto hours = [](int a, int b) {
            return ServiceHours{"(" + clock(a) + "-" + clock(b) + ")",
                                {{a, b < a ? b + 24 * 60 : b}}};
        };
        return {hours(from, to), hours(from + later, to + later)};
    }

    SampleRandom& random_;
};

// One position per station name. Where stations on different roads share a name (镇政府 in
// every town), the name is placed where its first station stands: a mean of places kilometres
// apart would be a place where none of them is.
void placeStations(const SampleNetwork& network, const std::vector<std::size_t>& stationStops,
                   BusDataRows& city) {
    std::unordered_map<std::string, std::size_t> placed;
    std::vector<GeoPoint> points;
    for (std::size_t stop : stationStops) {
        const SampleStop& at = network.stops[stop];
        if (!placed.try_emplace(at.name, points.size()).second) continue;
        points.push_back(degrees(at));
        city.positions.push_back({at.name, points.back().lat, points.back().lon});
    }
    auto pairs = pairsWithin(points, kWalkRadiusMetres);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ways;
    for (auto [a, b] : pairs) {
        ways.emplace_back(a, b);
        ways.emplace_back(b, a);
    }
    std::sort(ways.begin(), ways.end());
    for (auto [from, to] : ways) {
        city.walks.push_back({city.positions[from].stna, city.positions[to].stna,
                              walkMetres(points[from], points[to])});
    }
}

BusDataRows planCity(const SampleCityOptions& options) {
    SampleRandom random(options.seed);
    SampleNetwork network = SampleNetwork::build(random, options.scale);
    ServiceHoursPlan serviceHours(random);

    // Numbers of the numbered lines are dealt out at random, so line 12 may run anywhere.
    std::size_t numberedCount = 0;
    for (const auto& route : network.routes) {
        numberedCount += listingGroup(route.kind) == 0;
    }
    std::vector<int> numbers(numberedCount);
    std::iota(numbers.begin(), numbers.end(), 1);
    random.shuffle(numbers);

    struct Listed {
        int group;
        int number;
        std::size_t route;
        bool operator<(const Listed& other) const {
            return std::tie(group, number) < std::tie(other.group, other.number);
        }
    };
    std::vector<Listed> listing;
    std::vector<int> counters(listingGroup(RouteKind::Night) + 1, 0);
    for (std::size_t i = 0; i < network.routes.size(); ++i) {
        const int group = listingGroup(network.routes[i].kind);
        const int number = group == 0 ? numbers[counters[0]++] : ++counters[group];
        listing.push_back({group, number, i});
    }
    std::vector<Listed> byListing = listing;
    std::sort(byListing.begin(), byListing.end());
    std::vector<std::int64_t> lnid(network.routes.size());
    for (std::size_t rank = 0; rank < byListing.size(); ++rank) {
        lnid[byListing[rank].route] = 2 * static_cast<std::int64_t>(rank) + 1;
    }

    BusDataRows city;
    city.date = kSampleDataDate;
    for (const auto& entry : listing) {
        const SampleRoute& route = network.routes[entry.route];
        const std::string name = lineName(route.kind, entry.number);
        auto [outHours, backHours] = serviceHours.times(route.kind);
        std::string out, back;
        std::vector<const SampleStop*> outStops, backStops;
        for (std::size_t stop : route.stops) {
            out += network.stops[stop].name + ";";
            outStops.push_back(&network.stops[stop]);
        }
        for (auto it = route.stops.rbegin(); it != route.stops.rend(); ++it) {
            back += network.stops[*it].name + ";";
            backStops.push_back(&network.stops[*it]);
        }
        city.lines.push_back(
            {lnid[entry.route], std::string(kCityCode), name + "上行", outHours.text, out});
        city.lines.push_back(
            {lnid[entry.route] + 1, std::string(kCityCode), name + "下行", backHours.text, back});
        if (options.timetables) {
            addSampleTrips(city.lines[city.lines.size() - 2].lnid, route.kind, outHours.windows,
                           outStops, city.trips);
            addSampleTrips(city.lines.back().lnid, route.kind, backHours.windows, backStops,
                           city.trips);
        }
    }

    // Each station lists the lines stopping there in the order lines are listed.
    std::vector<std::string> passing(network.stops.size());
    for (const auto& entry : byListing) {
        const std::size_t row = 2 * entry.route;  // both directions of each route, in route order
        for (std::size_t stop : network.routes[entry.route].stops) {
            passing[stop] += city.lines[row].lnna + ";" + city.lines[row + 1].lnna + ";";
        }
    }
    std::vector<std::size_t> stationStops;
    for (std::size_t i = 0; i < network.stops.size(); ++i) {
        if (passing[i].empty()) continue;
        const SampleStop& stop = network.stops[i];
        city.stations.push_back({stop.name, stop.road, stop.landmarks, passing[i]});
        stationStops.push_back(i);
    }
    placeStations(network, stationStops, city);
    for (std::size_t n = 1; n <= numberedCount; ++n) city.lineIds.push_back(std::to_string(n));
    return city;
}

}  // namespace

SampleCitySize writeSampleCity(const std::filesystem::path& out, const SampleCityOptions& options) {
    if (options.scale < 1 || options.scale > kMaxSampleScale) {
        throw std::invalid_argument("样例城市的规模须在 1 到 " + std::to_string(kMaxSampleScale) +
                                    " 之间");
    }
    const BusDataRows city = planCity(options);
    writeBusData(out, city);
    SampleCitySize size{city.stations.size(), city.lines.size(), city.trips.size(), 0};
    for (const TripRow& trip : city.trips) {
        size.stopTimes += static_cast<std::size_t>(
            std::count_if(trip.times.arrivals.begin(), trip.times.arrivals.end(),
                          [](std::uint16_t minute) { return minute != TripTimes::kNoStop; }));
    }
    return size;
}

}  // namespace busquery
