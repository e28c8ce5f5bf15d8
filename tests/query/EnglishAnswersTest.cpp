#include <gtest/gtest.h>

#include <string>

#include "query/JourneyClock.h"
#include "query/LineName.h"
#include "query/OutcomeMessage.h"
#include "query/PieceRecorder.h"
#include "query/Renderer.h"
#include "query/StationName.h"

namespace busquery {
namespace {

std::string english(const Answer& answer) {
    PieceRecorder pane;
    render(answer, pane, Language::English, [](std::string_view lnna) {
        return std::string(lnna.ends_with("下行") ? "东站" : "西站");
    });
    return pane.text();
}

PlanLeg ride(std::vector<RideLine> lines, std::string to) {
    PlanLeg leg;
    leg.lines = std::move(lines);
    leg.to = std::move(to);
    return leg;
}

PlanLeg walk(std::uint32_t metres, std::string to) {
    PlanLeg leg;
    leg.kind = PlanLeg::Kind::Walk;
    leg.metres = metres;
    leg.to = std::move(to);
    return leg;
}

Answer routeAnswer(std::vector<Plan> plans) {
    Answer answer(QueryMode::MultiStation);
    answer.from = "甲";
    answer.to = "戊";
    answer.plans = std::move(plans);
    return answer;
}

const ServiceDay kThursday = *dayOfDate(2026, 1, 8);

TimedJourneyLeg timedRide(std::string line, std::string headsign, std::uint32_t depart,
                          std::uint32_t arrive, std::uint32_t stops, std::string from,
                          std::string to) {
    TimedJourneyLeg leg;
    leg.line = std::move(line);
    leg.headsign = std::move(headsign);
    leg.depart = journeyMinute(kThursday, depart);
    leg.arrive = journeyMinute(kThursday, arrive);
    leg.stops = stops;
    leg.from = std::move(from);
    leg.to = std::move(to);
    return leg;
}

Answer timedAnswer(bool dateMoved) {
    TimedJourneyLeg walkLeg;
    walkLeg.kind = TimedLeg::Kind::walk;
    walkLeg.from = "乙";
    walkLeg.to = "丙";
    walkLeg.metres = 300;
    walkLeg.minutes = 4;
    TimedJourneyEntry journey{journeyMinute(kThursday, 483),
                              journeyMinute(kThursday, 1445),
                              2,
                              {timedRide("D路上行", "终点站", 483, 495, 5, "甲", "乙"), walkLeg,
                               timedRide("C8路", "", 501, 1445, 1, "丙", "丁")}};
    Answer answer(QueryMode::MultiStation);
    answer.timed.emplace();
    answer.timed->serviceDay = kThursday;
    answer.timed->dateMoved = dateMoved;
    answer.timed->journeys = {journey};
    return answer;
}

TEST(EnglishAnswersTest, EveryKindOfAnswerReadsInEnglish) {
    Answer line(QueryMode::Line);
    line.lines = {{"12路上行", "(05:30-21:50)", "甲;乙;"}};
    line.lineDepartures = {{}};
    line.departuresDay = kThursday;
    Answer night(QueryMode::Line);
    night.lines = {{"夜1路", "(22:00-次日01:30)", "甲;乙;"}};
    night.lineDepartures = {{1320, 1350, 1380, 1410, 1440, 1490}};
    night.departuresDay = kThursday;
    Answer station(QueryMode::SingleStation);
    station.stations = {{"东桥", {"59路上行", "59路下行"}}, {"东桥北", {"7路"}}};
    Answer direct(QueryMode::MultiStation);
    direct.direct = {{"12路上行", "甲;乙;", 1}, {"3路", "甲;丙;乙;", 2}};
    Answer leftOut(QueryMode::MultiStation);
    leftOut.timed.emplace();
    leftOut.timed->linesLeftOut = {"1路上行", "2路"};

    struct Case {
        const char* name;
        Answer answer;
        const char* expected;
    };
    const Case cases[] = {
        {"line lookup with departures", line,
         "Bus 12 towards 乙 (Yi) (05:30-21:50)\r\nStops: 甲 (Jia);乙 (Yi);\r\n\r\n"
         "Bus 12 towards 乙 (Yi) 2026-01-08 from the first stop: no service that day\r\n"},
        {"line lookup with a headway and service past midnight", night,
         "Night 1 (22:00-01:30 next day)\r\nStops: 甲 (Jia);乙 (Yi);\r\n\r\n"
         "Night 1 2026-01-08 from the first stop: 22:00 … every 30 min … 24:00 24:50\r\n"},
        {"station lookup", station,
         "东桥 (Dongqiao):Bus 59 towards 西站 (Xizhan), Bus 59 towards 东站 "
         "(Dongzhan)\r\n\r\n东桥北 (Dongqiaobei):Bus 7"},
        {"direct lines", direct,
         "Bus 12 stops at: 甲 (Jia);乙 (Yi); (1 stop)\r\n\r\nBus 3 stops at: 甲 (Jia);丙 (Bing);乙 "
         "(Yi); (2 stops)\r\n\r\n"},
        {"one-change plan",
         routeAnswer({{17, {ride({{"12路上行", 8}, {"5路", 8}}, "乙"), ride({{"76路", 9}}, "")}}}),
         "Plan 1 (about 17 stops): from 甲 (Jia), take Bus 12 (8 stops)/Bus 5 (8 stops) to 乙 "
         "(Yi), change "
         "to Bus 76 (9 stops) to 戊 (Wu)\r\n"},
        {"journey with walks",
         routeAnswer({{30,
                       {walk(200, "乙"), ride({{"59路", 8}}, "丙"), walk(320, "丁"),
                        ride({{"8路", 1}}, "己"), walk(150, "")},
                       true}}),
         "Plan 1 (about 30 stops, 1 change): from 甲 (Jia), walk about 200 m to 乙 (Yi), take Bus "
         "59 (8 stops)"
         " to 丙 (Bing), walk about 320 m to 丁 (Ding), change to Bus 8 (1 stop) to 己 (Ji) and "
         "get off, walk about "
         "150 m to 戊 (Wu)\r\n"},
        {"journey by the clock", timedAnswer(false),
         "Plan 1: leave 08:03, arrive 00:05 next day (962 min, 1 change): 08:03 from 甲 (Jia), "
         "take Bus "
         "D "
         "(towards 终点站 (Zhongdianzhan), 5 stops) 08:15 to 乙 (Yi), walk about 300 m (4 min) to "
         "丙 (Bing) 08:21, take Bus C8 "
         "(1 stop) 00:05 next day to 丁 (Ding)\r\n\r\n"},
        {"journey on another day", timedAnswer(true),
         "The timetable does not cover the date asked; searched on 2026-01-08, also a Thursday:"
         "\r\n\r\nPlan 1: leave 08:03, arrive 00:05 next day (962 min, 1 change): 08:03 from 甲 "
         "(Jia), "
         "take Bus D (towards 终点站 (Zhongdianzhan), 5 stops) 08:15 to 乙 (Yi), walk about 300 m "
         "(4 min) to 丙 (Bing) 08:21, "
         "take Bus C8 (1 stop) 00:05 next day to 丁 (Ding)\r\n\r\n"},
        {"lines left out of a search at a time", leftOut,
         "Lines not in service at this time, left out of the search: Bus 1 towards 西站 (Xizhan), "
         "Bus "
         "2\r\n\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(english(c.answer), c.expected) << c.name;
}

TEST(EnglishAnswersTest, LineNamesReadAsWordsAndReadBack) {
    struct Case {
        const char* stored;
        const char* terminus;
        const char* shown;
    };
    const Case cases[] = {
        {"12路上行", "东桥", "Bus 12 towards 东桥"},
        {"12路下行", "", "Bus 12"},
        {"无轨电车1路", "", "Trolleybus 1"},
        {"地铁1号线上行", "西站", "Metro 1 towards 西站"},
        {"3号线", "", "Line 3"},
        {"12支线", "", "12 branch"},
        {"12路支线2下行", "乙", "Bus 12 branch 2 towards 乙"},
        {"夜1路", "", "Night 1"},
        {"12路（Kalno g.）上行", "", "Bus 12 (Kalno g.)"},
        {"12路(2)", "", "Bus 12 (2)"},
        {"Centras–Antakalnis", "", "Centras–Antakalnis"},
        {"支线", "", " branch"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayLineName(c.stored, Language::English, c.terminus), c.shown) << c.stored;
        EXPECT_EQ(displayLineName(c.stored, Language::Chinese, c.terminus), c.stored);
    }
    const std::pair<const char*, const char*> typed[] = {
        {"12", "12"},
        {"Bus 12", "12路"},
        {"bus 12", "12路"},
        {"Metro 1", "地铁1号线"},
        {"Trolleybus 1", "无轨电车1路"},
        {"12 branch", "12路支线"},
        {"Night 1", "夜1路"},
        {"Line 3", "3号线"},
        {"Metro", "Metro"},
        {"Trolleybus", "Trolleybus"},
        {"夜1", "夜1"},
        {"Bus A", "A"},
    };
    for (const auto& [text, stored] : typed) EXPECT_EQ(storedLineRequest(text), stored) << text;
}

TEST(EnglishAnswersTest, AChineseStationNameIsFollowedByItsPinyin) {
    const std::pair<const char*, const char*> cases[] = {
        {"东桥", "东桥 (Dongqiao)"},
        {"Centras", "Centras"},
        {"B区", "B区 (B Qu)"},
        {"东桥（北）", "东桥（北） (Dongqiao Bei)"},
        {"东桥2号", "东桥2号 (Dongqiao 2 Hao)"},
        // Generic words after a proper name of two characters or more stand apart.
        {"石湖大街石渡西路口", "石湖大街石渡西路口 (Shihu Dajie Shidu Xilukou)"},
        {"华苑路南", "华苑路南 (Huayuan Lu Nan)"},
        {"大学路", "大学路 (Daxue Lu)"},
        {"西路", "西路 (Xilu)"},
        {"西安", "西安 (Xi'an)"},
        {"", ""},
    };
    StationNames english(Language::English);
    StationNames chinese(Language::Chinese);
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(english.shown(stored), shown) << stored;
        EXPECT_EQ(chinese.shown(stored), stored);
    }
    EXPECT_EQ(english.shownList("东桥;Centras;"), "东桥 (Dongqiao);Centras;");
}

TEST(EnglishAnswersTest, OutcomeMessagesReadInEnglishAndListedAnswersHaveNone) {
    const std::pair<OutcomeCode, std::optional<std::string>> cases[] = {
        {OutcomeCode::EmptyInput, "Nothing was entered"},
        {OutcomeCode::TooShort, "Too little was entered"},
        {OutcomeCode::NoLine, "No such line"},
        {OutcomeCode::NoStation, "No station chosen"},
        {OutcomeCode::NoOrigin, "No origin chosen"},
        {OutcomeCode::NoDestination, "No destination chosen"},
        {OutcomeCode::NoRoute, "No suitable route!"},
        {OutcomeCode::SameStation, "Origin and destination are the same: no need to ride!"},
        {OutcomeCode::NoTimedJourney, "No journey within 24 hours!"},
        {OutcomeCode::PlansListed, std::nullopt},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(outcomeMessage(code, Language::English), expected);
    }
}

TEST(EnglishAnswersTest, TheInterfaceLanguageIsTheFirstTheProgramSpeaks) {
    const std::pair<std::vector<std::string_view>, Language> cases[] = {
        {{}, Language::Chinese},
        {{"en_GB.UTF-8"}, Language::English},
        {{"de_DE", "en"}, Language::English},
        {{"zh-CN", "en"}, Language::Chinese},
        {{"de", "fr_FR@euro"}, Language::Chinese},
        {{"eng"}, Language::Chinese},
    };
    for (const auto& [wanted, expected] : cases) EXPECT_EQ(interfaceLanguage(wanted), expected);
}

}  // namespace
}  // namespace busquery
