#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "reference/ReferenceJourneySearch.h"
#include "route/JourneySearch.h"
#include "support/SqlFile.h"
#include "support/TempDir.h"
#include "support/TestCity.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

// A random network of few stations and lines, some names differing only in ASCII case, some
// lines passing a station twice or holding empty pieces, and walks between random stations.
struct RandomNetwork {
    test::TestCity city;
    std::string walkSql;
    std::vector<std::string> names;
};

RandomNetwork randomNetwork(std::mt19937& random) {
    RandomNetwork network;
    const int stations = 6 + static_cast<int>(random() % 10);
    for (int s = 0; s < stations; ++s) network.names.push_back("站" + std::to_string(s));
    network.names.push_back("Ab");
    network.names.push_back("aB");
    std::uniform_int_distribution<std::size_t> name(0, network.names.size() - 1);

    const int lines = 2 + static_cast<int>(random() % 9);
    for (int l = 0; l < lines; ++l) {
        std::string list;
        for (int k = 2 + static_cast<int>(random() % 6); k > 0; --k) {
            list += (random() % 15 == 0 ? std::string() : network.names[name(random)]) + ";";
        }
        // Some lines of another city, which no journey may ride.
        network.city.line(std::to_string(l % 7) + "路", list, "", -1,
                          random() % 10 == 0 ? "elsewhere" : "velmorina");
    }
    for (const auto& stna : network.names) network.city.station(stna, "");
    for (int w = static_cast<int>(random() % 8); w > 0; --w) {
        const std::string a = network.names[name(random)];
        const std::string b = network.names[name(random)];
        const std::string metres = std::to_string(random() % 1200);
        network.walkSql += "INSERT INTO nstwalk VALUES ('" + a + "', '" + b + "', " + metres +
                           "), ('" + b + "', '" + a + "', " + metres + ");";
    }
    return network;
}

bool sameName(const std::string& a, const std::string& b) {
    return equalsIgnoreAsciiCase(a, b);
}

// Positions of the stops of a list, as the reference reads them.
std::vector<std::string> stopsOf(std::string_view passstna) {
    std::vector<std::string> stops;
    for (std::size_t start = 0, end; (end = passstna.find(';', start)) != std::string::npos;
         start = end + 1) {
        stops.emplace_back(passstna.substr(start, end - start));
    }
    return stops;
}

bool rideExists(const NetworkIndex& index, const PlanLeg& leg) {
    for (const LineInfo& line : index.lines) {
        if (!line.inCity || line.lnna != leg.lines.at(0).lnna) continue;
        const auto stops = stopsOf(line.passstna);
        for (std::size_t i = 0; i < stops.size(); ++i) {
            if (stops[i] != leg.from) continue;
            const std::size_t j = i + leg.stops;
            if (j < stops.size() && leg.stops > 0 && stops[j] == leg.to) return true;
        }
    }
    return false;
}

std::uint32_t shortestWalk(const NetworkIndex& index, const std::string& a, const std::string& b) {
    std::uint32_t shortest = UINT32_MAX;
    for (const WalkInfo& walk : index.walks()) {
        if (sameName(walk.stna, a) && sameName(walk.tostna, b)) {
            shortest = std::min(shortest, walk.metres);
        }
    }
    return shortest;
}

struct Checked {
    std::uint32_t rides = 0;
    std::uint32_t cost = 0;
};

// Checks that the journey is one a traveller can make and returns its rides and cost.
Checked checkJourney(const NetworkIndex& index, const Plan& journey, const std::string& from,
                     const std::string& to) {
    Checked checked;
    std::vector<std::string> visited{from};
    std::uint32_t stops = 0;
    for (std::size_t i = 0; i < journey.legs.size(); ++i) {
        const PlanLeg& leg = journey.legs[i];
        SCOPED_TRACE("leg " + std::to_string(i) + " " + leg.from + " → " + leg.to);
        EXPECT_TRUE(sameName(leg.from, visited.back()));
        for (const auto& station : visited) EXPECT_FALSE(sameName(station, leg.to));
        visited.push_back(leg.to);
        if (leg.kind == PlanLeg::Kind::Walk) {
            EXPECT_TRUE(i == 0 || journey.legs[i - 1].kind == PlanLeg::Kind::Ride);
            EXPECT_EQ(leg.metres, shortestWalk(index, leg.from, leg.to));
            checked.cost += walkCost(leg.metres);
        } else {
            EXPECT_TRUE(rideExists(index, leg));
            EXPECT_EQ(leg.lines.size(), 1u);
            ++checked.rides;
            stops += leg.stops;
        }
    }
    EXPECT_TRUE(sameName(visited.back(), to));
    EXPECT_EQ(journey.C, stops);
    checked.cost += stops;
    return checked;
}

TEST(JourneySearchReference, FewestRidesAndLowestCostAgreeOnRandomNetworks) {
    std::mt19937 random(20261208);
    test::TempDir dir;
    JourneySearchState searchState;
    JourneySearch search(searchState);
    int pairs = 0;
    int found = 0;
    int withWalks = 0;
    int moreThanTwoRides = 0;
    int missed = 0;
    for (int n = 0; n < 100; ++n) {
        RandomNetwork network = randomNetwork(random);
        const auto file = network.city.write(dir / ("busdata" + std::to_string(n)));
        if (!network.walkSql.empty()) test::writeSql(file, network.walkSql.c_str());
        BusData data(file);
        data.refresh();
        const NetworkIndex& index = data.index();
        const RouteIndex& routes = index.derived<RouteIndex>();
        for (int k = 0; k < 24; ++k) {
            const std::string& from = network.names[random() % network.names.size()];
            const std::string& to = network.names[random() % network.names.size()];
            if (sameName(from, to)) continue;
            SCOPED_TRACE("network " + std::to_string(n) + ": " + from + " → " + to);
            const auto expected = test::referenceJourney(index, from, to);
            const auto journeys = search.run(index, *routes.find(from), *routes.find(to));
            ++pairs;
            // The search never lists what the reference does not know; it may miss a journey
            // whose arrivals the rounds only kept by a line that the next ride is on.
            ASSERT_TRUE(journeys.empty() || expected.has_value());
            if (journeys.empty()) {
                if (expected) ++missed;
                continue;
            }
            ++found;
            std::vector<std::vector<std::string>> sequences;
            Checked previous;
            for (std::size_t j = 0; j < journeys.size(); ++j) {
                const Checked checked = checkJourney(index, journeys[j], from, to);
                if (j == 0) {
                    EXPECT_EQ(checked.rides, expected->rides);
                    EXPECT_EQ(checked.cost, expected->cost);
                }
                if (j > 0) {
                    EXPECT_GE(checked.rides, previous.rides);
                    EXPECT_LE(checked.rides, expected->rides + 1);
                    if (checked.rides == previous.rides) {
                        EXPECT_GE(checked.cost, previous.cost);
                    }
                    if (checked.rides > expected->rides) {
                        EXPECT_LE(checked.cost + JourneySearch::kSavingForAnotherRide,
                                  expected->cost);
                    }
                }
                previous = checked;
                std::vector<std::string> lines;
                for (const PlanLeg& leg : journeys[j].legs) {
                    if (leg.kind == PlanLeg::Kind::Ride) lines.push_back(leg.lines[0].lnna);
                }
                if (checked.rides > 2) ++moreThanTwoRides;
                sequences.push_back(lines);
            }
            for (const PlanLeg& leg : journeys[0].legs) {
                if (leg.kind == PlanLeg::Kind::Walk) {
                    ++withWalks;
                    break;
                }
            }
            EXPECT_LE(journeys.size(), JourneySearch::kMaxJourneys);
            if (HasFailure()) return;
        }
    }
    EXPECT_GE(pairs, 2000);
    EXPECT_LE(missed, 3);
    // The networks reach every kind of answer.
    EXPECT_GT(found, 500);
    EXPECT_GT(pairs - found, 50);
    EXPECT_GT(withWalks, 50);
    EXPECT_GT(moreThanTwoRides, 50);
}

}  // namespace
}  // namespace busquery
