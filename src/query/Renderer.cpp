#include "query/Renderer.h"

#include <string>

#include "text/DirectionWords.h"

namespace busquery {
namespace {

void writeLine(ResultPane& pane, const LineEntry& line) {
    pane.setColour(colours::kBlue);
    pane.append(line.lnna);
    pane.setColour(colours::kOlive);
    pane.append(line.fltime);
    pane.setColour(colours::kBlack);
    pane.setBold(true);
    pane.append(kBreak);
    pane.append("途径站点：");
    pane.setBold(false);
    pane.append(line.passstna);
    pane.append("\r\n\r\n");
}

void writeStation(ResultPane& pane, const StationEntry& station, bool first) {
    if (!first) pane.append("\r\n\r\n");
    pane.setColour(colours::kStationBlue);
    pane.append(station.stna + ":");
    pane.setColour(colours::kBlack);
    for (std::size_t n = 0; n < station.lines.size(); ++n) {
        pane.append(n == 0 ? station.lines[n] : "、" + station.lines[n]);
    }
}

void writeDirectLine(ResultPane& pane, const DirectLine& line) {
    pane.setColour(colours::kBlack);
    pane.append(withoutDirectionWords(line.lnna) + "经过站点：");
    pane.setColour(colours::kStationBlue);
    pane.append(line.stretch);
    pane.append("(共" + std::to_string(line.stops) + "站)");
    pane.append("\r\n\r\n");
}

// "line(n站)" for each line of a ride, joined by "/", direction words removed.
std::string rideText(const PlanLeg& leg) {
    std::string text;
    for (const RideLine& line : leg.lines) {
        if (!text.empty()) text += '/';
        text += line.lnna + "(" + std::to_string(line.stops) + "站)";
    }
    return withoutDirectionWords(text);
}

// "第n种方案(共约C站)：从 from 坐S在 M 换乘 E到 to" on one line of the pane.
void writePlan(ResultPane& pane, std::size_t number, const Plan& plan, const std::string& from,
               const std::string& to) {
    pane.setColour(colours::kStationBlue);
    pane.append("第" + std::to_string(number) + "种方案(共约" + std::to_string(plan.C) + "站)：");
    pane.setColour(colours::kBlack);
    pane.append("从 ");
    pane.setColour(colours::kPurple);
    pane.append(from);
    const PlanLeg& first = plan.legs.front();
    const PlanLeg& second = plan.legs.back();
    pane.setColour(colours::kBlack);
    pane.append(" 坐" + rideText(first) + "在");
    pane.setColour(colours::kRed);
    pane.append(" " + first.to);
    pane.setColour(colours::kPurple);
    pane.append(" 换乘 ");
    pane.setColour(colours::kBlack);
    pane.append(rideText(second) + "到 ");
    pane.setColour(colours::kPurple);
    pane.append(to + "\r\n");
}

}  // namespace

void render(const Answer& answer, ResultPane& pane) {
    if (answer.mode == QueryMode::None) return;
    pane.clear();
    for (const LineEntry& line : answer.lines) writeLine(pane, line);
    for (std::size_t i = 0; i < answer.stations.size(); ++i) {
        writeStation(pane, answer.stations[i], i == 0);
    }
    for (const DirectLine& line : answer.direct) writeDirectLine(pane, line);
    std::size_t number = 0;
    for (const Plan& plan : answer.plans) writePlan(pane, ++number, plan, answer.from, answer.to);
}

}  // namespace busquery
