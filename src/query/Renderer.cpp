#include "query/Renderer.h"

#include <string>

#include "query/ServiceHoursText.h"
#include "query/StationName.h"
#include "query/TimedJourneyWriter.h"
#include "query/Words.h"
#include "text/DirectionWords.h"
#include "text/NameList.h"

namespace busquery {
namespace {

constexpr std::string_view kContext = "Renderer";

std::string lastStation(std::string_view passstna) {
    const std::vector<std::string> stations = readNameList(passstna);
    return stations.empty() ? std::string() : stations.back();
}

void writeLine(ResultPane& pane, const LineEntry& line, Language language, StationNames& names) {
    pane.setColour(colours::kBlue);
    pane.append(language == Language::Chinese
                    ? line.lnna
                    : displayLineName(line.lnna, language, names.shown(lastStation(line.passstna)),
                                      names.english()) +
                          " ");
    pane.setColour(colours::kOlive);
    pane.append(shownServiceHours(line.fltime, language));
    pane.setColour(colours::kBlack);
    pane.setBold(true);
    pane.append(kBreak);
    pane.append(tr(language, kContext, "途径站点："));
    pane.setBold(false);
    pane.append(names.shownList(line.passstna));
    pane.append("\r\n\r\n");
}

void writeStation(ResultPane& pane, const StationEntry& station, bool first, Language language,
                  const LineTerminus& terminus, StationNames& names) {
    if (!first) pane.append("\r\n\r\n");
    pane.setColour(colours::kStationBlue);
    pane.append(names.shown(station.stna) + ":");
    pane.setColour(colours::kBlack);
    for (std::size_t n = 0; n < station.lines.size(); ++n) {
        const std::string& lnna = station.lines[n];
        const std::string name =
            language == Language::Chinese || !terminus
                ? displayLineName(lnna, language, {}, names.english())
                : displayLineName(lnna, language, names.shown(terminus(lnna)), names.english());
        pane.append(n == 0 ? name : tr(language, kContext, "、") + name);
    }
}

void writeDirectLine(ResultPane& pane, const DirectLine& line, Language language,
                     StationNames& names) {
    pane.setColour(colours::kBlack);
    pane.append(displayLineName(withoutDirectionWords(line.lnna), language, {}, names.english()) +
                tr(language, kContext, "经过站点："));
    pane.setColour(colours::kStationBlue);
    pane.append(names.shownList(line.stretch));
    pane.append(trCount(language, kContext, "(共%n站)", line.stops));
    pane.append("\r\n\r\n");
}

// "line(n站)" for each line of a ride, joined by "/", direction words removed.
std::string rideText(const PlanLeg& leg, Language language, const EnglishStationNames* english) {
    std::string text;
    for (const RideLine& line : leg.lines) {
        if (!text.empty()) text += '/';
        const std::string lnna =
            language == Language::Chinese
                ? line.lnna
                : displayLineName(withoutDirectionWords(line.lnna), language, {}, english);
        text += trCount(language, kContext, "%1(%n站)", line.stops, {lnna});
    }
    return withoutDirectionWords(text);
}

// One plan on one line of the pane, its legs in the one leg writer's words and colours:
// "第n种方案(共约C站)：从 from 坐S在 M 换乘 E到 to" for a one-change plan; a journey's header also
// counts its changes, "第n种方案(共约N站，换乘k次)：从 甲 坐59路(8站)在 乙 换乘 76路(9站)在 丙
// 步行约320米到 丁 换乘 8路(6站)到 戊", with walks in green. A walk first reads "从 甲
// 步行约200米到 乙 坐…", a walk last "…在 丙 下车 步行约150米到 戊".
void writePlan(ResultPane& pane, std::size_t number, const Plan& plan, const std::string& from,
               const std::string& to, Language language, StationNames& names) {
    std::string header =
        trCount(language, kContext, "第%1种方案(共约%n站", plan.C, {std::to_string(number)});
    if (plan.journey) {
        long long rides = 0;
        for (const PlanLeg& leg : plan.legs) rides += leg.kind == PlanLeg::Kind::Ride ? 1 : 0;
        header += trCount(language, kContext, "，换乘%n次", rides - 1);
    }
    pane.setColour(colours::kStationBlue);
    pane.append(header + tr(language, kContext, ")："));
    pane.setColour(colours::kBlack);
    pane.append(tr(language, kContext, "从 "));
    pane.setColour(colours::kPurple);
    pane.append(names.shown(from));
    const auto& legs = plan.legs;
    for (std::size_t i = 0; i < legs.size(); ++i) {
        const PlanLeg& leg = legs[i];
        const bool last = i + 1 == legs.size();
        if (leg.kind == PlanLeg::Kind::Walk) {
            pane.setColour(colours::kGreen);
            const std::string metres = std::to_string(leg.metres);
            pane.append(last ? tr(language, kContext, " 步行约%1米到 ", {metres})
                             : tr(language, kContext, " 步行约%1米到", {metres}));
        } else {
            // A ride boards with "坐" at the start of the journey or after a first walk; a
            // change of line has said "换乘" already.
            const bool boards = i == 0 || (i == 1 && legs[0].kind == PlanLeg::Kind::Walk);
            pane.setColour(colours::kBlack);
            pane.append((boards ? tr(language, kContext, " 坐") : "") +
                        rideText(leg, language, names.english()) +
                        tr(language, kContext, last ? "到 " : "在"));
        }
        if (last) {
            pane.setColour(colours::kPurple);
            pane.append(names.shown(to) + "\r\n");
            return;
        }
        pane.setColour(colours::kRed);
        pane.append(" " + names.shown(leg.to));
        const PlanLeg& next = legs[i + 1];
        if (next.kind == PlanLeg::Kind::Walk && i + 2 == legs.size()) {
            pane.setColour(colours::kBlack);
            pane.append(tr(language, kContext, " 下车"));
        } else if (next.kind == PlanLeg::Kind::Ride && (i > 0 || leg.kind == PlanLeg::Kind::Ride)) {
            pane.setColour(colours::kPurple);
            pane.append(tr(language, kContext, " 换乘 "));
        }
    }
}

}  // namespace

void render(const Answer& answer, ResultPane& pane, Language language,
            const LineTerminus& terminus) {
    if (answer.mode == QueryMode::None) return;
    pane.clear();
    StationNames names(language, answer.englishNames.get());
    for (const LineEntry& line : answer.lines) writeLine(pane, line, language, names);
    writeLineDepartures(pane, answer, language, names);
    for (std::size_t i = 0; i < answer.stations.size(); ++i) {
        writeStation(pane, answer.stations[i], i == 0, language, terminus, names);
    }
    for (const DirectLine& line : answer.direct) writeDirectLine(pane, line, language, names);
    std::size_t number = 0;
    for (const Plan& plan : answer.plans) {
        writePlan(pane, ++number, plan, answer.from, answer.to, language, names);
    }
    if (answer.timed) writeTimedAnswer(pane, answer, language, terminus, names);
}

}  // namespace busquery
