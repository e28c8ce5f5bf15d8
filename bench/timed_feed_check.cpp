// The search by the clock against the plain reference search on a bus database with a
// timetable, such as an imported feed, which the tests cannot carry: random pairs of served
// stations at random minutes of random days on which some service runs, leaving at and arriving
// by. For
// every number of rides up to five the best time must be the reference's. Prints the queries
// compared and each disagreement; exit status 1 when there is one, 2 when the file cannot be
// searched.
//
//   timed_feed_check BUSDATA [QUERIES=2000] [SEED=1]

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "network/NetworkIndex.h"
#include "reference/ReferenceTimedSearch.h"
#include "route/TimedSearch.h"

namespace busquery {
namespace {

int check(const std::filesystem::path& file, std::size_t count, unsigned seed) {
    BusData data{file};
    data.refresh();
    const NetworkIndex& index = data.index();
    const TimedNetwork& network = index.derived<TimedNetwork>();
    const Timetable& timetable = *network.timetable;
    if (timetable.empty()) {
        std::cerr << file << " has no timetable\n";
        return 2;
    }
    const TimedNetwork::Parts parts = TimedNetwork::partsOf(index);
    const ReferenceTimedSearch reference{timetable, parts};
    std::vector<TimedNetwork::Station> served;
    for (TimedNetwork::Station s = 0; s < network.stationCount; ++s) {
        if (!network.stopsOf(s).empty()) served.push_back(s);
    }
    if (served.size() < 2) {
        std::cerr << file << " has fewer than two stations with trips\n";
        return 2;
    }
    std::vector<ServiceDay> days;
    for (ServiceDay day = timetable.firstDay; day < timetable.firstDay + timetable.dayCount;
         ++day) {
        for (std::uint32_t service = 0; service < network.serviceCount; ++service) {
            if (!timetable.runs(service, day)) continue;
            days.push_back(day);
            break;
        }
    }
    if (days.empty()) days.push_back(timetable.firstDay);  // no calendar: every day is alike
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, served.size() - 1);
    TimedSearchState search;
    search.prepare(network);
    std::size_t compared = 0;
    std::size_t answered = 0;
    std::size_t disagreements = 0;
    while (compared < count) {
        TimedQuery query;
        query.origin = served[pick(random)];
        query.destination = served[pick(random)];
        if (query.origin == query.destination) continue;
        query.day = days[random() % days.size()];
        query.minute = static_cast<std::uint32_t>(random() % 1440);
        query.arriveBy = compared % 2 == 1;
        ++compared;
        const TimedAnswer answer = searchByClock(network, search, query);
        answered += answer.journeys.empty() ? 0 : 1;
        const JourneyMinute asked = journeyMinute(answer.serviceDay, query.minute);
        const auto expected =
            query.arriveBy ? reference.latestDepartures(query.origin, query.destination, asked)
                           : reference.earliestArrivals(query.origin, query.destination, asked);
        const auto found = ReferenceTimedSearch::bestByRides(answer, query.arriveBy);
        if (found == expected) continue;
        ++disagreements;
        std::cout << "differs: " << query.origin << " -> " << query.destination << " day "
                  << query.day << " minute " << query.minute
                  << (query.arriveBy ? " arrive by" : " leave at") << "; by rides, found/expected:";
        for (std::size_t k = 1; k < found.size(); ++k) {
            std::cout << ' ' << found[k] << '/' << expected[k];
        }
        std::cout << '\n';
    }
    std::cout << file.string() << ": " << compared << " queries, " << answered << " answered, "
              << disagreements << " disagreements with the reference\n";
    return disagreements == 0 ? 0 : 1;
}

}  // namespace
}  // namespace busquery

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: timed_feed_check BUSDATA [QUERIES] [SEED]\n";
        return 2;
    }
    try {
        const std::size_t count = argc > 2 ? std::stoul(argv[2]) : 2000;
        const unsigned seed = argc > 3 ? static_cast<unsigned>(std::stoul(argv[3])) : 1;
        return busquery::check(argv[1], count, seed);
    } catch (const std::exception& error) {
        std::cerr << "timed_feed_check: " << error.what() << '\n';
        return 2;
    }
}
