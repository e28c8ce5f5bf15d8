#include "query/TimedJourneyWriter.h"

#include <array>
#include <string>

#include "query/JourneyClock.h"
#include "query/LineDepartures.h"
#include "query/Words.h"
#include "text/DirectionWords.h"
#include "text/NameList.h"

namespace busquery {
namespace {

constexpr std::string_view kContext = "TimedJourneyWriter";

// A clock time in its colour, within the words around it ("%1出发 ").
void writeTime(ResultPane& pane, JourneyMinute minute, ServiceDay day, Language language,
               std::string_view words = "%1") {
    pane.setColour(colours::kTimeOrange);
    pane.append(tr(language, kContext, words, {clockText(minute, day, language)}));
}

void writeJourney(ResultPane& pane, std::size_t number, const TimedJourneyEntry& journey,
                  ServiceDay day, Language language, StationNames& names) {
    pane.setColour(colours::kStationBlue);
    pane.append(tr(language, kContext, "第%1种方案 ", {std::to_string(number)}));
    writeTime(pane, journey.depart, day, language, "%1出发 ");
    writeTime(pane, journey.arrive, day, language, "%1到达");
    pane.setColour(colours::kStationBlue);
    pane.append(trCount(language, kContext, "(共%1分钟，换乘%n次)：",
                        journey.rides == 0 ? 0 : journey.rides - 1,
                        {std::to_string(journey.arrive - journey.depart)}));
    writeTime(pane, journey.depart, day, language);
    pane.setColour(colours::kBlack);
    pane.append(tr(language, kContext, " 从 "));
    pane.setColour(colours::kPurple);
    pane.append(names.shown(journey.legs.front().from));
    for (std::size_t i = 0; i < journey.legs.size(); ++i) {
        const TimedJourneyLeg& leg = journey.legs[i];
        const bool last = i + 1 == journey.legs.size();
        if (leg.kind == TimedLeg::Kind::walk) {
            pane.setColour(colours::kGreen);
            pane.append(tr(language, kContext, " 步行约%1米(%2分钟)到 ",
                           {std::to_string(leg.metres), std::to_string(leg.minutes)}));
        } else {
            if (i > 0) {
                pane.setColour(colours::kBlack);
                pane.append(" ");
                writeTime(pane, leg.depart, day, language);
            }
            pane.setColour(colours::kBlack);
            const std::string headsign = leg.headsign.empty() ? ""
                                                              : tr(language, kContext, "往 %1, ",
                                                                   {names.shown(leg.headsign)});
            pane.append(trCount(
                language, kContext, " 坐%1(%2%n站) ", leg.stops,
                {displayLineName(withoutDirectionWords(leg.line), language, {}, names.english()),
                 headsign}));
            writeTime(pane, leg.arrive, day, language);
            pane.setColour(colours::kBlack);
            pane.append(tr(language, kContext, " 到 "));
        }
        pane.setColour(last ? colours::kPurple : colours::kRed);
        pane.append(names.shown(leg.to));
    }
    pane.append("\r\n\r\n");
}

std::string weekday(ServiceDay day, Language language) {
    // Day 0 of the calendar is a Thursday.
    static constexpr std::array kNames{"星期四", "星期五", "星期六", "星期日",
                                       "星期一", "星期二", "星期三"};
    return tr(language, "Weekday", kNames[((day % 7) + 7) % 7]);
}

}  // namespace

void writeLineDepartures(ResultPane& pane, const Answer& answer, Language language,
                         StationNames& names) {
    for (std::size_t i = 0; i < answer.lineDepartures.size() && i < answer.lines.size(); ++i) {
        pane.setColour(colours::kBlue);
        const LineEntry& line = answer.lines[i];
        const std::vector<std::string> stations = readNameList(line.passstna);
        pane.append(displayLineName(line.lnna, language,
                                    names.shown(stations.empty() ? "" : stations.back()),
                                    names.english()));
        pane.setColour(colours::kBlack);
        pane.append(tr(language, kContext, " %1 首站发车：", {dateText(answer.departuresDay)}));
        pane.setColour(colours::kTimeOrange);
        pane.append((answer.lineDepartures[i].empty()
                         ? tr(language, kContext, "当日无班次")
                         : departuresText(answer.lineDepartures[i], language)) +
                    "\r\n");
    }
}

void writeTimedAnswer(ResultPane& pane, const Answer& answer, Language language,
                      const LineTerminus& terminus, StationNames& names) {
    const TimedRouteAnswer& timed = *answer.timed;
    if (!timed.linesLeftOut.empty()) {
        pane.setColour(colours::kOlive);
        std::string lineNames;
        for (const std::string& line : timed.linesLeftOut) {
            lineNames += (lineNames.empty() ? "" : tr(language, kContext, "、")) +
                         (language == Language::Chinese || !terminus
                              ? displayLineName(line, language, {}, names.english())
                              : displayLineName(line, language, names.shown(terminus(line)),
                                                names.english()));
        }
        pane.append(
            tr(language, kContext, "此时不在运营时间内、未用于查询的线路：%1", {lineNames}) +
            "\r\n\r\n");
    }
    if (timed.journeys.empty()) return;
    if (timed.dateMoved) {
        pane.setColour(colours::kOlive);
        pane.append(tr(language, kContext, "时刻表不含所选日期，以下按同为%1的%2查询",
                       {weekday(timed.serviceDay, language), dateText(timed.serviceDay)}) +
                    "\r\n\r\n");
    }
    std::size_t number = 0;
    for (const TimedJourneyEntry& journey : timed.journeys) {
        writeJourney(pane, ++number, journey, timed.serviceDay, language, names);
    }
}

}  // namespace busquery
