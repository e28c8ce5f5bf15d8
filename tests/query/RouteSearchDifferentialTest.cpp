#include <gtest/gtest.h>

#include <map>
#include <random>

#include "network/BusData.h"
#include "query/PieceRecorder.h"
#include "query/Renderer.h"
#include "query/RouteSearch.h"
#include "query/RouteStationName.h"
#include "reference/ReferenceRouteSearch.h"
#include "search/SuggestionSearch.h"
#include "support/SampleFixture.h"
#include "support/TempDir.h"
#include "support/TestCity.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

struct Compared {
    RouteSearchState state;
    std::map<OutcomeCode, int> outcomes;
};

// Runs one route query both ways and compares the state, the answer as data and the pieces.
void compareRoute(BusData& data, const std::string& from, const std::string& to,
                  Compared& compared) {
    QueryState byStatements;
    byStatements.strStnaFrom = from;
    byStatements.strStnaTo = to;
    const Answer indexAnswer = routeAnswer(routeSearch(data.index(), compared.state, from, to));
    Answer referenceAnswer{QueryMode::MultiStation};
    test::referenceRouteSearch(data.database(), byStatements, referenceAnswer);

    SCOPED_TRACE(from + " → " + to);
    ++compared.outcomes[indexAnswer.outcome];
    // The statements answer one station in both boxes with out-and-back plans; the program
    // says there is nothing to search instead, so those answers are not compared.
    if (indexAnswer.outcome == OutcomeCode::SameStation) {
        ASSERT_TRUE(equalsIgnoreAsciiCase(routeStationName(from), routeStationName(to)));
        return;
    }
    PieceRecorder indexPane;
    PieceRecorder referencePane;
    render(indexAnswer, indexPane);
    render(referenceAnswer, referencePane);
    ASSERT_EQ(indexAnswer.records, byStatements.lngRecordNum);
    ASSERT_EQ(indexAnswer.direct, referenceAnswer.direct);
    // Where the statements find nothing, the program goes on to journeys with more changes.
    if (indexAnswer.outcome == OutcomeCode::JourneysListed) {
        ASSERT_EQ(static_cast<int>(byStatements.intOutState),
                  static_cast<int>(OutcomeCode::NoRoute));
        ASSERT_TRUE(referenceAnswer.plans.empty());
        ASSERT_TRUE(referencePane.pieces().empty());
        ASSERT_FALSE(indexAnswer.plans.empty());
        return;
    }
    ASSERT_EQ(static_cast<int>(indexAnswer.outcome), static_cast<int>(byStatements.intOutState));
    ASSERT_EQ(indexAnswer.plans, referenceAnswer.plans);
    ASSERT_EQ(indexPane.pieces(), referencePane.pieces());
}

TEST(RouteSearchDifferential, IndexAnswersWhatTheStatementsAnswerOnTheSampleCity) {
    BusData data(test::sampleCityFile());
    data.refresh();
    const auto& stations = data.index().stations();
    ASSERT_FALSE(stations.empty());

    std::mt19937 random(20090106);
    std::uniform_int_distribution<std::size_t> pick(0, stations.size() - 1);
    // Mostly plain names; some picked suggestion lines, some there-and-back, some unknown names.
    auto boxText = [&](int i, const StationInfo& station) {
        if (i % 7 == 0) return suggestionLine(station);
        if (i % 31 == 0) return std::string("无此站");
        return std::string(station.stna);
    };

    Compared compared;
    for (int i = 0; i < 2500; ++i) {
        const StationInfo& from = stations[pick(random)];
        const StationInfo& to = i % 13 == 0 ? from : stations[pick(random)];
        compareRoute(data, boxText(i, from), boxText(i / 2, to), compared);
        if (HasFatalFailure()) return;
    }
    // The pairs reach every branch: direct lines, plans, and stations that are not there.
    auto& outcomes = compared.outcomes;
    EXPECT_GT(outcomes[OutcomeCode::Listed], 100);
    EXPECT_GT(outcomes[OutcomeCode::PlansListed], 100);
    EXPECT_GT(outcomes[OutcomeCode::NoOrigin], 10);
    EXPECT_GT(outcomes[OutcomeCode::NoDestination], 10);
    EXPECT_GT(outcomes[OutcomeCode::JourneysListed], 50);
    EXPECT_GT(outcomes[OutcomeCode::SameStation], 50);
}

// A small network drawn at random from few names, so that lists repeat stations, lines are
// listed twice, names hold or end with other names, pieces are empty and case differs: the
// awkward data a hand-made or converted busdata holds.
test::TestCity awkwardCity(std::mt19937& random) {
    static const std::vector<std::string> kNames = {"甲",  "甲乙", "乙",   "乙甲", "丙", "A站",
                                                    "a站", "丁",   "戊丙", "",     "甲 "};
    std::uniform_int_distribution<std::size_t> name(0, kNames.size() - 1);
    std::uniform_int_distribution<int> length(1, 7);
    std::uniform_int_distribution<int> lineCount(1, 8);
    test::TestCity city;
    const int lines = lineCount(random);
    std::vector<std::string> lnnas;
    for (int l = 0; l < lines; ++l) {
        std::string list;
        for (int k = length(random); k > 0; --k) list += kNames[name(random)] + ";";
        if (random() % 5 == 0 && !list.empty()) list.pop_back();  // a list without its last ";"
        std::string lnna = std::to_string(1 + random() % 4) + "路" + (random() % 2 ? "上行" : "");
        lnnas.push_back(lnna);
        city.line(lnna, list);
    }
    for (const auto& stna : kNames) {
        std::string passlnna;
        for (int k = static_cast<int>(random() % 4); k > 0; --k) {
            passlnna += lnnas[random() % lnnas.size()] + ";";  // a line may be named twice
        }
        city.station(stna, passlnna);
    }
    return city;
}

TEST(RouteSearchDifferential, IndexAnswersWhatTheStatementsAnswerOnAwkwardNetworks) {
    std::mt19937 random(7);
    test::TempDir dir;
    Compared compared;
    static const std::vector<std::string> kBoxes = {"甲",  "甲乙", "乙",   "乙甲", "丙",     "A站",
                                                    "a站", "丁",   "戊丙", "甲 ",  "甲[路]", "无"};
    for (int network = 0; network < 150; ++network) {
        const auto file = awkwardCity(random).write(dir / ("busdata" + std::to_string(network)));
        BusData data(file);
        data.refresh();
        for (const auto& from : kBoxes) {
            for (const auto& to : kBoxes) {
                compareRoute(data, from, to, compared);
                if (HasFatalFailure()) return;
            }
        }
    }
    EXPECT_GT(compared.outcomes[OutcomeCode::Listed], 100);
    EXPECT_GT(compared.outcomes[OutcomeCode::PlansListed], 100);
    EXPECT_GT(compared.outcomes[OutcomeCode::JourneysListed], 20);
    EXPECT_GT(compared.outcomes[OutcomeCode::NoRoute], 20);
}

}  // namespace
}  // namespace busquery
