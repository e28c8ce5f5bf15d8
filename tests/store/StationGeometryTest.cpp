#include "store/StationGeometry.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "store/BusDatabase.h"
#include "store/BusDatabaseWriter.h"
#include "support/TempDir.h"

namespace busquery {
namespace {

using test::TempDir;

TEST(StationGeometry, DistancesAndWalks) {
    // One degree of latitude on the mean sphere, and a quarter of the equator.
    EXPECT_NEAR(greatCircleMetres({30, 120}, {31, 120}), 111195.08, 0.01);
    EXPECT_NEAR(greatCircleMetres({0, 0}, {0, 90}), 10007557.2, 0.1);
    EXPECT_NEAR(greatCircleMetres({0, 179.9}, {0, -179.9}), 22239.0, 0.1);
    EXPECT_EQ(greatCircleMetres({54.7, 25.3}, {54.7, 25.3}), 0);
    EXPECT_EQ(walkMetres({30, 120}, {30 + 300 / 111195.08, 120}), 390);
    EXPECT_EQ(walkMetres({30, 120}, {30, 120}), 0);
}

// The pairs within reach, found by comparing every point with every other.
std::vector<std::pair<std::uint32_t, std::uint32_t>> everyPairWithin(
    const std::vector<GeoPoint>& points, double metres) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
    for (std::uint32_t i = 0; i < points.size(); ++i) {
        for (std::uint32_t j = i + 1; j < points.size(); ++j) {
            if (greatCircleMetres(points[i], points[j]) <= metres) pairs.emplace_back(i, j);
        }
    }
    return pairs;
}

TEST(StationGeometry, PairsWithinFindsExactlyTheNearPairs) {
    std::mt19937 random(7);
    auto scatter = [&](double lat, double lon, double spreadDegrees, int count) {
        std::uniform_real_distribution<double> offset(-spreadDegrees, spreadDegrees);
        std::vector<GeoPoint> points;
        for (int i = 0; i < count; ++i) {
            points.push_back({std::clamp(lat + offset(random), -90.0, 90.0), lon + offset(random)});
        }
        return points;
    };
    std::vector<GeoPoint> row;  // one street along a parallel, a stop every 350 m
    for (int i = 0; i < 300; ++i) row.push_back({30, 120 + i * 350 / 96335.0});
    std::vector<GeoPoint> stacked(40, GeoPoint{-33.9, 18.4});  // many stops in one place

    struct Case {
        const char* what;
        std::vector<GeoPoint> points;
    };
    const Case cases[] = {
        {"a city", scatter(31.2, 121.5, 0.05, 1500)},
        {"south of the equator and west of Greenwich", scatter(-34.6, -58.4, 0.03, 800)},
        {"across the equator", scatter(0, 10, 0.01, 500)},
        {"near the pole", scatter(89.995, 0, 0.004, 300)},
        {"a street along a parallel", row},
        {"stops in one place", stacked},
        {"nothing", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto found = pairsWithin(c.points, kWalkRadiusMetres);
        std::sort(found.begin(), found.end());
        auto expected = everyPairWithin(c.points, kWalkRadiusMetres);
        EXPECT_EQ(found, expected);
        if (c.points.size() > 1) {
            EXPECT_FALSE(expected.empty());
        }
    }
}

TEST(BusDatabaseWriter, WritesPositionsAndWalksBesideTheTablesTheProgramReads) {
    TempDir dir;
    {
        BusDatabaseWriter writer(dir / "busdata");
        writer.setDate("2015.9.1");
        writer.addStation({"Stotis", "", "", "1路;"});
        writer.addStation({"Vingriai", "", "", "1路;"});
        writer.addPosition({"Stotis", 54.6707, 25.2833});
        writer.addPosition({"Vingriai", 54.6741, 25.2851});
        writer.addWalk({"Stotis", "Vingriai", 508});
        writer.addWalk({"Vingriai", "Stotis", 508});
        writer.commit();
    }
    SQLite::Database db((dir / "busdata").string(), SQLite::OPEN_READONLY);
    SQLite::Statement positions(db, "SELECT stna, lat, lon FROM nstpos ORDER BY rowid");
    ASSERT_TRUE(positions.executeStep());
    EXPECT_EQ(positions.getColumn(0).getString(), "Stotis");
    EXPECT_DOUBLE_EQ(positions.getColumn(1).getDouble(), 54.6707);
    EXPECT_DOUBLE_EQ(positions.getColumn(2).getDouble(), 25.2833);
    EXPECT_EQ(db.execAndGet("SELECT group_concat(stna || '>' || tostna || '=' || metres, ' ') "
                            "FROM nstwalk")
                  .getString(),
              "Stotis>Vingriai=508 Vingriai>Stotis=508");
    // The program reads the file as any bus database.
    BusDatabase busdata(dir / "busdata");
    EXPECT_EQ(busdata.dataDate(), "2015.9.1");

    // One position per station: a second one is refused, never silently doubled.
    BusDatabaseWriter twice(dir / "twice");
    twice.addPosition({"Stotis", 54.6707, 25.2833});
    EXPECT_ANY_THROW(twice.addPosition({"Stotis", 54.0, 25.0}));
}

}  // namespace
}  // namespace busquery
