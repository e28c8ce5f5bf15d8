#include "route/Timetable.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <optional>
#include <unordered_map>

#include "network/NetworkIndex.h"
#include "store/TimetableTables.h"
#include "text/NameList.h"

namespace busquery {
static_assert(Timetable::kNoStop == TripTimes::kNoStop);

namespace {

constexpr std::uint32_t kNoLine = std::numeric_limits<std::uint32_t>::max();

// Without a calendar every trip runs on every day of these years, whatever date is asked for.
constexpr std::chrono::year_month_day kEverydayFrom{std::chrono::year(2000), std::chrono::January,
                                                    std::chrono::day(1)};
constexpr std::chrono::year_month_day kEverydayTo{std::chrono::year(2099), std::chrono::December,
                                                  std::chrono::day(31)};
// A calendar spanning more days than this is cut there: no timetable is planned a century ahead.
constexpr std::int32_t kLongestCalendar = 36525;

ServiceDay dayNumber(const std::chrono::year_month_day& date) {
    return std::chrono::sys_days(date).time_since_epoch().count();
}

// YYYYMMDD as a day; nullopt when it is no day of the calendar.
std::optional<ServiceDay> dayOf(std::int32_t date) {
    const std::chrono::year_month_day ymd{
        std::chrono::year(date / 10000),
        std::chrono::month(static_cast<unsigned>(date / 100 % 100)),
        std::chrono::day(static_cast<unsigned>(date % 100))};
    if (date <= 0 || !ymd.ok()) return std::nullopt;
    return dayNumber(ymd);
}

// 0 for Monday … 6 for Sunday; day 0 (1970-01-01) was a Thursday.
int weekdayOf(ServiceDay day) {
    return ((day + 3) % 7 + 7) % 7;
}

class CalendarBuilder {
  public:
    explicit CalendarBuilder(Timetable& timetable) : t_(timetable) {}

    // The services of the file's rows, numbered 0 .. serviceCount - 1.
    void build(const std::vector<ServiceRow>& services, const std::vector<ServiceDateRow>& dates,
               std::uint32_t serviceCount) {
        if (services.empty() && dates.empty()) {
            t_.calendarGiven = false;
            span(dayNumber(kEverydayFrom), dayNumber(kEverydayTo), serviceCount);
            std::fill(t_.serviceDays.begin(), t_.serviceDays.end(), ~std::uint64_t{0});
            return;
        }
        std::optional<ServiceDay> first;
        std::optional<ServiceDay> last;
        auto include = [&](std::optional<ServiceDay> day) {
            if (!day) return;
            first = first ? std::min(*first, *day) : *day;
            last = last ? std::max(*last, *day) : *day;
        };
        for (const ServiceRow& service : services) {
            if (service.weekdays == 0) continue;
            include(dayOf(service.startDate));
            include(dayOf(service.endDate));
        }
        for (const ServiceDateRow& date : dates) {
            if (date.added) include(dayOf(date.date));
        }
        if (!first) return;
        span(*first, std::min(*last, *first + kLongestCalendar - 1), serviceCount);
        for (const ServiceRow& service : services) {
            const auto from = dayOf(service.startDate);
            const auto to = dayOf(service.endDate);
            if (service.service >= serviceCount || !from || !to) continue;
            for (ServiceDay day = std::max(*from, t_.firstDay);
                 day <= std::min(*to, t_.firstDay + t_.dayCount - 1); ++day) {
                if ((service.weekdays >> weekdayOf(day)) & 1U) set(service.service, day, true);
            }
        }
        for (const ServiceDateRow& date : dates) {
            const auto day = dayOf(date.date);
            if (date.service < serviceCount && day) set(date.service, *day, date.added);
        }
    }

  private:
    void span(ServiceDay first, ServiceDay last, std::uint32_t serviceCount) {
        t_.firstDay = first;
        t_.dayCount = last - first + 1;
        t_.wordsPerService = static_cast<std::uint32_t>((t_.dayCount + 63) / 64);
        t_.serviceDays.assign(std::size_t{serviceCount} * t_.wordsPerService, 0);
    }

    void set(std::uint32_t service, ServiceDay day, bool runs) {
        const auto offset = day - t_.firstDay;
        if (offset < 0 || offset >= t_.dayCount) return;
        std::uint64_t& word = t_.serviceDays[service * t_.wordsPerService + offset / 64];
        const std::uint64_t bit = std::uint64_t{1} << (offset % 64);
        word = runs ? word | bit : word & ~bit;
    }

    Timetable& t_;
};

// A trip as read, before the trips of each line are put in order.
struct ReadTrip {
    std::uint32_t line;
    std::uint32_t service;
    std::uint32_t headsign;
    std::size_t times;     // where its stops begin in the arrays
    ServiceMinute leaves;  // its departure from the first stop it serves
};

// The departure from the first stop served; kNoStop when fewer than two stops are served.
ServiceMinute firstDeparture(const TripTimes& times) {
    std::size_t served = 0;
    ServiceMinute first = Timetable::kNoStop;
    for (std::size_t i = 0; i < times.departures.size(); ++i) {
        if (times.departures[i] == Timetable::kNoStop) continue;
        if (served++ == 0) first = times.departures[i];
    }
    return served < 2 ? Timetable::kNoStop : first;
}

}  // namespace

Timetable Timetable::build(const NetworkIndex& network) {
    Timetable timetable;
    timetable.lines.resize(network.lines.size());
    if (network.database() == nullptr || !hasTimetable(*network.database())) return timetable;
    BusDatabase& database = *network.database();

    // Trips name their line by lnid; where numbers repeat, the first row of the number has them.
    const std::vector<std::int64_t> numbers = readLineNumbers(database);
    std::unordered_map<std::int64_t, std::uint32_t> lineOfNumber;
    for (std::uint32_t i = 0; i < numbers.size() && i < network.lines.size(); ++i) {
        lineOfNumber.try_emplace(numbers[i], i);
        timetable.lines[i].stopCount =
            static_cast<std::uint32_t>(readNameList(network.lines[i].passstna).size());
    }

    const std::vector<ServiceRow> services = readServices(database);
    const std::vector<ServiceDateRow> dates = readServiceDates(database);
    const bool calendarGiven = !services.empty() || !dates.empty();
    std::uint32_t serviceCount = 0;
    for (const ServiceRow& s : services) {
        if (s.service != kNoLine) serviceCount = std::max(serviceCount, s.service + 1);
    }

    // Trips that fit their line (one time for each of its stops) and run on a known service,
    // their times decoded straight into the timetable's arrays in table order.
    std::vector<ReadTrip> read;
    std::size_t tripRows = 0;
    std::size_t stopTimes = 0;
    for (const auto& [lnid, trips] : countTripsByLine(database)) {
        const auto line = lineOfNumber.find(lnid);
        if (line == lineOfNumber.end()) continue;
        tripRows += trips;
        stopTimes += trips * timetable.lines[line->second].stopCount;
    }
    read.reserve(tripRows);
    timetable.arrivals.reserve(stopTimes);
    timetable.departures.reserve(stopTimes);
    std::unordered_map<std::string, std::uint32_t> headsignNumbers;
    forEachTrip(database, [&](const TripRow& trip) {
        auto line = lineOfNumber.find(trip.lnid);
        if (line == lineOfNumber.end()) return;
        const std::uint32_t stops = timetable.lines[line->second].stopCount;
        if (stops < 2 || trip.times.arrivals.size() != stops) return;
        const ServiceMinute leaves = firstDeparture(trip.times);
        if (leaves == kNoStop) return;
        if (calendarGiven ? trip.service >= serviceCount : trip.service == kNoLine) return;
        if (!calendarGiven) serviceCount = std::max(serviceCount, trip.service + 1);
        auto [sign, added] = headsignNumbers.try_emplace(
            trip.headsign, static_cast<std::uint32_t>(timetable.headsigns.size()));
        if (added) timetable.headsigns.push_back(trip.headsign);
        read.push_back(
            ReadTrip{line->second, trip.service, sign->second, timetable.arrivals.size(), leaves});
        timetable.arrivals.insert(timetable.arrivals.end(), trip.times.arrivals.begin(),
                                  trip.times.arrivals.end());
        timetable.departures.insert(timetable.departures.end(), trip.times.departures.begin(),
                                    trip.times.departures.end());
    });

    // The trips of each line together, in the order they leave the first stop they serve. The
    // file stores them so; only a file that does not has its times moved.
    auto inOrder = [](const ReadTrip& a, const ReadTrip& b) {
        if (a.line != b.line) return a.line < b.line;
        return a.leaves < b.leaves;
    };
    if (!std::is_sorted(read.begin(), read.end(), inOrder)) {
        std::stable_sort(read.begin(), read.end(), inOrder);
        std::vector<ServiceMinute> arrivals;
        std::vector<ServiceMinute> departures;
        arrivals.reserve(timetable.arrivals.size());
        departures.reserve(timetable.departures.size());
        for (ReadTrip& trip : read) {
            const auto from = static_cast<std::ptrdiff_t>(trip.times);
            const auto to = from + timetable.lines[trip.line].stopCount;
            trip.times = arrivals.size();
            arrivals.insert(arrivals.end(), timetable.arrivals.begin() + from,
                            timetable.arrivals.begin() + to);
            departures.insert(departures.end(), timetable.departures.begin() + from,
                              timetable.departures.begin() + to);
        }
        timetable.arrivals = std::move(arrivals);
        timetable.departures = std::move(departures);
    }
    timetable.trips.reserve(read.size());
    for (const ReadTrip& trip : read) {
        Line& line = timetable.lines[trip.line];
        if (line.tripCount == 0) {
            line.firstTrip = static_cast<std::uint32_t>(timetable.trips.size());
            line.firstTime = static_cast<std::uint32_t>(trip.times);
        }
        ++line.tripCount;
        timetable.trips.push_back(Trip{trip.service, trip.headsign});
    }

    CalendarBuilder(timetable).build(services, dates, serviceCount);
    for (ChangeRow& change : readChanges(database)) {
        timetable.minimumChanges.push_back(
            MinimumChange{std::move(change.stna), std::move(change.tostna),
                          static_cast<ServiceMinute>(change.minutes)});
    }
    return timetable;
}

}  // namespace busquery
