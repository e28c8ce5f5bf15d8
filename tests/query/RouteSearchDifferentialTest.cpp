#include <gtest/gtest.h>

#include <map>
#include <random>

#include "db/BusData.h"
#include "import/SampleCity.h"
#include "input/SuggestionSearch.h"
#include "query/PieceRecorder.h"
#include "query/RouteSearch.h"
#include "support/ReferenceRouteSearch.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

TEST(RouteSearchDifferential, IndexWritesWhatTheStatementsWriteOnTheSampleCity) {
    test::TempDir dir;
    writeSampleCity(dir / "busdata", SampleCityOptions{});
    BusData data(dir / "busdata");
    data.refresh();
    const auto& stations = data.index().stations;
    ASSERT_FALSE(stations.empty());

    std::mt19937 random(20090106);
    std::uniform_int_distribution<std::size_t> pick(0, stations.size() - 1);
    // Mostly plain names; some picked suggestion lines, some there-and-back, some unknown names.
    auto boxText = [&](int i, const StationInfo& station) {
        if (i % 7 == 0) return suggestionLine(station);
        if (i % 31 == 0) return std::string("无此站");
        return station.stna;
    };

    std::map<OutcomeCode, int> outcomes;
    for (int i = 0; i < 2500; ++i) {
        const StationInfo& from = stations[pick(random)];
        const StationInfo& to = i % 13 == 0 ? from : stations[pick(random)];
        QueryState byIndex;
        byIndex.strStnaFrom = boxText(i, from);
        byIndex.strStnaTo = boxText(i / 2, to);
        QueryState byStatements = byIndex;
        PieceRecorder indexPane;
        PieceRecorder referencePane;
        routeSearch(data.index(), byIndex, indexPane);
        test::referenceRouteSearch(data.database(), byStatements, referencePane);

        SCOPED_TRACE(byIndex.strStnaFrom + " → " + byIndex.strStnaTo);
        ASSERT_EQ(static_cast<int>(byIndex.intOutState),
                  static_cast<int>(byStatements.intOutState));
        ASSERT_EQ(byIndex.lngRecordNum, byStatements.lngRecordNum);
        ASSERT_EQ(indexPane.pieces(), referencePane.pieces());
        ++outcomes[byIndex.intOutState];
    }
    // The pairs reach every branch: direct lines, plans, and stations that are not there.
    EXPECT_GT(outcomes[OutcomeCode::Listed], 100);
    EXPECT_GT(outcomes[OutcomeCode::PlansListed], 100);
    EXPECT_GT(outcomes[OutcomeCode::NoOrigin], 10);
    EXPECT_GT(outcomes[OutcomeCode::NoDestination], 10);
    for (const auto& [outcome, count] : outcomes) {
        RecordProperty("outcome" + std::to_string(static_cast<int>(outcome)), count);
    }
}

}  // namespace
}  // namespace busquery
