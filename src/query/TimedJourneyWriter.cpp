#include "query/TimedJourneyWriter.h"

#include <array>
#include <string>

#include "query/JourneyClock.h"
#include "text/DirectionWords.h"

namespace busquery {
namespace {

void writeTime(ResultPane& pane, JourneyMinute minute, ServiceDay day, const char* after = "") {
    pane.setColour(colours::kTimeOrange);
    pane.append(clockText(minute, day) + after);
}

void writeJourney(ResultPane& pane, std::size_t number, const TimedJourneyEntry& journey,
                  ServiceDay day) {
    pane.setColour(colours::kStationBlue);
    pane.append("第" + std::to_string(number) + "种方案 ");
    writeTime(pane, journey.depart, day, "出发 ");
    writeTime(pane, journey.arrive, day, "到达");
    pane.setColour(colours::kStationBlue);
    pane.append("(共" + std::to_string(journey.arrive - journey.depart) + "分钟，换乘" +
                std::to_string(journey.rides == 0 ? 0 : journey.rides - 1) + "次)：");
    writeTime(pane, journey.depart, day);
    pane.setColour(colours::kBlack);
    pane.append(" 从 ");
    pane.setColour(colours::kPurple);
    pane.append(journey.legs.front().from);
    for (std::size_t i = 0; i < journey.legs.size(); ++i) {
        const TimedJourneyLeg& leg = journey.legs[i];
        const bool last = i + 1 == journey.legs.size();
        if (leg.kind == TimedLeg::Kind::walk) {
            pane.setColour(colours::kGreen);
            pane.append(" 步行约" + std::to_string(leg.metres) + "米(" +
                        std::to_string(leg.minutes) + "分钟)到 ");
        } else {
            if (i > 0) {
                pane.setColour(colours::kBlack);
                pane.append(" ");
                writeTime(pane, leg.depart, day);
            }
            pane.setColour(colours::kBlack);
            const std::string headsign = leg.headsign.empty() ? "" : "往 " + leg.headsign + ", ";
            pane.append(" 坐" + withoutDirectionWords(leg.line) + "(" + headsign +
                        std::to_string(leg.stops) + "站) ");
            writeTime(pane, leg.arrive, day);
            pane.setColour(colours::kBlack);
            pane.append(" 到 ");
        }
        pane.setColour(last ? colours::kPurple : colours::kRed);
        pane.append(leg.to);
    }
    pane.append("\r\n\r\n");
}

}  // namespace

void writeLineDepartures(ResultPane& pane, const Answer& answer) {
    for (std::size_t i = 0; i < answer.lineDepartures.size() && i < answer.lines.size(); ++i) {
        pane.setColour(colours::kBlue);
        pane.append(answer.lines[i].lnna);
        pane.setColour(colours::kBlack);
        pane.append(" " + dateText(answer.departuresDay) + " 首站发车：");
        pane.setColour(colours::kTimeOrange);
        pane.append((answer.lineDepartures[i].empty() ? "当日无班次" : answer.lineDepartures[i]) +
                    "\r\n");
    }
}

void writeTimedAnswer(ResultPane& pane, const Answer& answer) {
    const TimedRouteAnswer& timed = *answer.timed;
    if (!timed.linesLeftOut.empty()) {
        pane.setColour(colours::kOlive);
        std::string names;
        for (const std::string& line : timed.linesLeftOut) {
            names += (names.empty() ? "" : "、") + line;
        }
        pane.append("此时不在运营时间内、未用于查询的线路：" + names + "\r\n\r\n");
    }
    if (timed.journeys.empty()) return;
    if (timed.dateMoved) {
        pane.setColour(colours::kOlive);
        pane.append("时刻表不含所选日期，以下按同为星期" +
                    std::string(std::array{"四", "五", "六", "日", "一", "二",
                                           "三"}[((timed.serviceDay % 7) + 7) % 7]) +
                    "的" + dateText(timed.serviceDay) + "查询\r\n\r\n");
    }
    std::size_t number = 0;
    for (const TimedJourneyEntry& journey : timed.journeys) {
        writeJourney(pane, ++number, journey, timed.serviceDay);
    }
}

}  // namespace busquery
