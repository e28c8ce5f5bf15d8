#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "reference/RandomTimetable.h"
#include "reference/ReferenceTimedSearch.h"
#include "route/TimedSearch.h"

namespace busquery {
namespace {

constexpr ServiceDay kMonday = 20458;  // 2026-01-05, the generated calendars' first day

std::string clock(JourneyMinute minute, ServiceDay day) {
    const JourneyMinute of = minute - day * 1440;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", of / 60, of % 60);
    return text;
}

// One line per journey: departure, arrival, and its legs with stations as letters; times are
// of the day searched, past 24:00 for the next.
std::string render(const TimedAnswer& answer) {
    std::string text = "day " + std::to_string(answer.serviceDay - kMonday) +
                       (answer.dateMoved ? " (moved)" : "") + "\n";
    auto name = [](TimedNetwork::Station s) { return std::string(1, static_cast<char>('A' + s)); };
    for (const auto& journey : answer.journeys) {
        text += clock(journey.depart, answer.serviceDay) + "-" +
                clock(journey.arrive, answer.serviceDay) + " " + std::to_string(journey.rides) +
                ":";
        for (const auto& leg : journey.legs) {
            if (leg.kind == TimedLeg::Kind::walk) {
                text += " walk " + name(leg.from) + ">" + name(leg.to) + " " +
                        std::to_string(leg.minutes) + "min;";
            } else {
                text += " L" + std::to_string(leg.line) + " " + name(leg.from) + " " +
                        clock(leg.depart, answer.serviceDay) + ">" + name(leg.to) + " " +
                        clock(leg.arrive, answer.serviceDay) + ";";
            }
        }
        text += "\n";
    }
    return text;
}

TimetableBuilder::TripTimes run(ServiceMinute start, std::initializer_list<int> hops) {
    TimetableBuilder::TripTimes times{{start, start}};
    for (const int hop : hops) {
        const auto at = static_cast<ServiceMinute>(times.back().second + hop);
        times.emplace_back(at, at);
    }
    return times;
}

std::vector<std::int32_t> weekdays(int from, int to);

// A line A-B-C-D with one trip all the way and, before it, one from B to C only.
void shortRunLine(TimetableBuilder& b) {
    constexpr ServiceMinute N = Timetable::kNoStop;
    const auto daily = b.addService(weekdays(0, 6));
    b.addLine({0, 1, 2, 3}, {{daily, run(8 * 60, {10, 10, 10})},
                             {daily, {{N, N}, {485, 485}, {492, 492}, {N, N}}}});
}

std::vector<std::int32_t> weekdays(int from, int to) {
    std::vector<std::int32_t> days;
    for (int d = 0; d < 21; ++d) {
        if (d % 7 >= from && d % 7 <= to) days.push_back(d);
    }
    return days;
}

struct HandCase {
    const char* name;
    void (*build)(TimetableBuilder&);
    TimedQuery query;
    const char* expected;
};

constexpr auto hm = [](int h, int m) { return static_cast<std::uint32_t>(h * 60 + m); };

const HandCase kHandCases[] = {
    {"line that does not run that day",
     [](TimetableBuilder& b) {
         b.addLine({0, 1}, {{b.addService(weekdays(0, 4)), run(hm(8, 0), {10})}});
         b.addLine({0, 1}, {{b.addService(weekdays(0, 6)), run(hm(9, 0), {25})}});
     },
     {0, 1, kMonday + 5, hm(7, 30), false},
     "day 5\n09:00-09:25 1: L1 A 09:00>B 09:25;\n"},
    {"night line at 23:30",
     [](TimetableBuilder& b) {
         const auto monday = b.addService({0});
         b.addLine({0, 1}, {{monday, run(hm(23, 40), {10})}, {monday, run(hm(24, 40), {10})}});
     },
     {0, 1, kMonday, hm(23, 30), false},
     "day 0\n23:40-23:50 1: L0 A 23:40>B 23:50;\n24:40-24:50 1: L0 A 24:40>B 24:50;\n"},
    {"night line at 00:30 the next day",
     [](TimetableBuilder& b) {
         const auto monday = b.addService({0});
         b.addLine({0, 1}, {{monday, run(hm(23, 40), {10})}, {monday, run(hm(24, 40), {10})}});
     },
     {0, 1, kMonday + 1, hm(0, 30), false},
     "day 1\n00:40-00:50 1: L0 A 00:40>B 00:50;\n"},
    {"date outside the calendar",
     [](TimetableBuilder& b) {
         b.addLine({0, 1}, {{b.addService(weekdays(0, 0)), run(hm(8, 0), {10})}});
     },
     {0, 1, kMonday + 56, hm(7, 0), false},
     "day 14 (moved)\n08:00-08:10 1: L0 A 08:00>B 08:10;\n"},
    {"arrive by",
     [](TimetableBuilder& b) {
         const auto daily = b.addService(weekdays(0, 6));
         b.addLine({0, 1}, {{daily, run(hm(8, 0), {10})},
                            {daily, run(hm(8, 15), {10})},
                            {daily, run(hm(8, 30), {10})},
                            {daily, run(hm(8, 45), {10})}});
     },
     {0, 1, kMonday, hm(8, 40), true},
     "day 0\n08:00-08:10 1: L0 A 08:00>B 08:10;\n08:15-08:25 1: L0 A 08:15>B 08:25;\n"
     "08:30-08:40 1: L0 A 08:30>B 08:40;\n"},
    {"walk that beats a change",
     [](TimetableBuilder& b) {
         const auto daily = b.addService(weekdays(0, 6));
         b.addLine({0, 1}, {{daily, run(hm(8, 0), {10})}});
         b.addLine({1, 3}, {{daily, run(hm(8, 11), {10})}, {daily, run(hm(8, 30), {10})}});
         b.addLine({2, 3}, {{daily, run(hm(8, 14), {6})}});
         b.addWalk(1, 2, 240);
     },
     {0, 3, kMonday, hm(7, 50), false},
     "day 0\n08:00-08:20 2: L0 A 08:00>B 08:10; walk B>C 3min; L2 C 08:14>D 08:20;\n"},
    {"fewer rides first, then faster with more",
     [](TimetableBuilder& b) {
         const auto daily = b.addService(weekdays(0, 6));
         b.addLine({0, 2}, {{daily, run(hm(8, 0), {40})}});
         b.addLine({0, 1}, {{daily, run(hm(8, 5), {5})}});
         b.addLine({1, 2}, {{daily, run(hm(8, 12), {5})}});
     },
     {0, 2, kMonday, hm(8, 0), false},
     "day 0\n08:00-08:40 1: L0 A 08:00>C 08:40;\n08:05-08:17 2: L1 A 08:05>B 08:10; L2 B "
     "08:12>C 08:17;\n"},
    {"02:00 answered with the first morning journeys",
     [](TimetableBuilder& b) {
         const auto daily = b.addService(weekdays(0, 6));
         std::vector<std::pair<std::uint32_t, TimetableBuilder::TripTimes>> trips;
         for (std::uint32_t start = hm(6, 0); start <= hm(22, 0); start += 30) {
             trips.emplace_back(daily, run(static_cast<ServiceMinute>(start), {12}));
         }
         b.addLine({0, 1}, trips);
     },
     {0, 1, kMonday + 1, hm(2, 0), false},
     "day 1\n06:00-06:12 1: L0 A 06:00>B 06:12;\n06:30-06:42 1: L0 A 06:30>B 06:42;\n"
     "07:00-07:12 1: L0 A 07:00>B 07:12;\n"},
    {"a short run is ridden only between the stops it serves",
     shortRunLine,
     {1, 3, kMonday, hm(8, 3), false},
     "day 0\n08:10-08:30 1: L0 B 08:10>D 08:30;\n"},
    {"a short run taken where it stops",
     shortRunLine,
     {1, 2, kMonday, hm(8, 3), false},
     "day 0\n08:05-08:12 1: L0 B 08:05>C 08:12;\n08:10-08:20 1: L0 B 08:10>C 08:20;\n"},
    {"idle trips passed a run of one service at a time",
     [](TimetableBuilder& b) {
         const auto weekend = b.addService(weekdays(5, 6));
         std::vector<std::pair<std::uint32_t, TimetableBuilder::TripTimes>> trips;
         for (int k = 0; k < 8; ++k) {
             trips.emplace_back(weekend, run(static_cast<ServiceMinute>(hm(8, 5 * k)), {10}));
         }
         trips.emplace_back(b.addService(weekdays(0, 4)), run(hm(8, 45), {10}));
         b.addLine({0, 1}, trips);
     },
     {0, 1, kMonday, hm(7, 55), false},
     "day 0\n08:45-08:55 1: L0 A 08:45>B 08:55;\n"},
    {"services taking turns passed trip by trip",
     [](TimetableBuilder& b) {
         const auto weekend = b.addService(weekdays(5, 6));
         const auto weekday = b.addService(weekdays(0, 4));
         b.addLine({0, 1}, {{weekend, run(hm(8, 0), {10})},
                            {weekday, run(hm(8, 10), {10})},
                            {weekend, run(hm(8, 20), {10})},
                            {weekday, run(hm(8, 30), {10})}});
     },
     {0, 1, kMonday, hm(7, 55), false},
     "day 0\n08:10-08:20 1: L0 A 08:10>B 08:20;\n08:30-08:40 1: L0 A 08:30>B 08:40;\n"},
    {"no journey within 24 hours",
     [](TimetableBuilder& b) {
         b.addLine({0, 1}, {{b.addService(weekdays(6, 6)), run(hm(9, 0), {10})}});
     },
     {0, 1, kMonday, hm(8, 0), false},
     "day 0\n"},
};

TEST(TimedSearchTest, HandBuiltCases) {
    for (const auto& hand : kHandCases) {
        TimetableBuilder builder(4, kMonday, 21);
        hand.build(builder);
        const auto network = TimedNetwork::assemble(builder.timetable(), builder.parts());
        TimedSearchState state;
        state.prepare(network);
        EXPECT_EQ(render(searchByClock(network, state, hand.query)), hand.expected) << hand.name;
    }
}

// Every leg as the timetable has it, in order, with the time to change or walk between them.
void expectRideable(const ReferenceTimedSearch& reference, const TimedQuery& query,
                    const TimedAnswer& answer) {
    const Timetable& timetable = reference.timetable;
    const JourneyMinute asked = journeyMinute(answer.serviceDay, query.minute);
    for (const auto& journey : answer.journeys) {
        auto station = query.origin;
        JourneyMinute time = journey.depart;
        bool afterRide = false;
        bool afterWalk = false;
        std::uint32_t rides = 0;
        for (const auto& leg : journey.legs) {
            ASSERT_EQ(leg.from, station);
            if (leg.kind == TimedLeg::Kind::walk) {
                ASSERT_FALSE(afterWalk);
                ASSERT_EQ(static_cast<std::int32_t>(leg.minutes),
                          reference.walkBetween(leg.from, leg.to));
                ASSERT_GE(leg.depart, time);
                time = leg.depart + static_cast<JourneyMinute>(leg.minutes);
            } else {
                const auto& line = timetable.lines[leg.line];
                const auto& stations = reference.parts.lineStations[leg.line];
                ASSERT_GE(leg.trip, line.firstTrip);
                ASSERT_LT(leg.trip, line.firstTrip + line.tripCount);
                ASSERT_TRUE(reference.runs(leg.trip, leg.day));
                ASSERT_LT(leg.board, leg.alight);
                ASSERT_NE(timetable.departuresOf(leg.trip, line)[leg.board], Timetable::kNoStop);
                ASSERT_NE(timetable.arrivalsOf(leg.trip, line)[leg.alight], Timetable::kNoStop);
                ASSERT_EQ(stations[leg.board], leg.from);
                ASSERT_EQ(stations[leg.alight], leg.to);
                ASSERT_EQ(leg.depart, journeyMinute(leg.day, timetable.departuresOf(
                                                                 leg.trip, line)[leg.board]));
                ASSERT_EQ(leg.arrive,
                          journeyMinute(leg.day, timetable.arrivalsOf(leg.trip, line)[leg.alight]));
                ASSERT_GE(leg.depart, time + (afterRide ? reference.changeAt(station) : 0));
                time = leg.arrive;
                ++rides;
            }
            afterRide = leg.kind == TimedLeg::Kind::ride;
            afterWalk = !afterRide;
            station = leg.to;
        }
        ASSERT_EQ(station, query.destination);
        ASSERT_EQ(time, journey.arrive);
        ASSERT_EQ(rides, journey.rides);
        if (query.arriveBy) {
            ASSERT_LE(journey.arrive, asked);
            ASSERT_GE(journey.depart, asked - 1440);
        } else {
            ASSERT_GE(journey.depart, asked);
            ASSERT_LE(journey.arrive, asked + 1440);
        }
    }
}

TEST(TimedSearchTest, AgreesWithTheReferenceOnRandomTimetables) {
    std::mt19937 random(20260105);
    int queries = 0;
    for (int city = 0; city < 40; ++city) {
        RandomTimetableShape shape;
        shape.lines = 6 + city % 10;
        shape.calendar = city % 7 != 3;
        auto builder = randomTimetable(random, shape);
        const auto network = TimedNetwork::assemble(builder.timetable(), builder.parts());
        const ReferenceTimedSearch reference{builder.timetable(), builder.parts()};
        TimedSearchState state;
        state.prepare(network);
        const auto stations = builder.parts().stationCount;
        for (int q = 0; q < 60; ++q) {
            TimedQuery query;
            query.origin = static_cast<TimedNetwork::Station>(random() % stations);
            query.destination = static_cast<TimedNetwork::Station>(random() % stations);
            if (query.origin == query.destination) continue;
            ++queries;
            // Now and then a day past the calendar.
            query.day = kMonday + static_cast<ServiceDay>(random() % (shape.days + 10)) - 3;
            query.minute = static_cast<std::uint32_t>(random() % 1440);
            query.arriveBy = q % 3 == 2;
            const auto answer = searchByClock(network, state, query);
            const JourneyMinute asked = journeyMinute(answer.serviceDay, query.minute);
            const auto expected =
                query.arriveBy ? reference.latestDepartures(query.origin, query.destination, asked)
                               : reference.earliestArrivals(query.origin, query.destination, asked);
            ASSERT_EQ(ReferenceTimedSearch::bestByRides(answer, query.arriveBy), expected)
                << "city " << city << " query " << q << "\n"
                << render(answer);
            expectRideable(reference, query, answer);
            // Every journey listed, also the later ones, is the best with its rides from its
            // departure on (arriving by: up to its arrival).
            for (const auto& journey : answer.journeys) {
                if (query.arriveBy) {
                    ASSERT_EQ(reference.latestDepartures(query.origin, query.destination,
                                                         journey.arrive)[journey.rides],
                              journey.depart)
                        << "city " << city << " query " << q << "\n"
                        << render(answer);
                } else {
                    ASSERT_EQ(reference.earliestArrivals(query.origin, query.destination,
                                                         journey.depart)[journey.rides],
                              journey.arrive)
                        << "city " << city << " query " << q << "\n"
                        << render(answer);
                }
            }
            ASSERT_LE(answer.journeys.size(), kMaxTimedJourneys);
            for (std::size_t i = 0; i < answer.journeys.size(); ++i) {
                const auto& a = answer.journeys[i];
                if (i > 0) {
                    ASSERT_LE(answer.journeys[i - 1].depart, a.depart);
                }
                for (const auto& b : answer.journeys) {
                    if (&a == &b) continue;
                    ASSERT_FALSE(b.depart >= a.depart && b.arrive <= a.arrive && b.rides <= a.rides)
                        << "a listed journey removes another";
                }
            }
        }
    }
    EXPECT_GE(queries, 2000);
}

}  // namespace
}  // namespace busquery
