#include "cli/AnswerJson.h"

#include "query/JourneyClock.h"
#include "query/LineDepartures.h"
#include "text/NameList.h"

namespace busquery::cli {
namespace {

using Json = nlohmann::ordered_json;

Json legJson(const PlanLeg& leg) {
    if (leg.kind == PlanLeg::Kind::Walk) {
        return {{"kind", "walk"}, {"from", leg.from}, {"to", leg.to}, {"metres", leg.metres}};
    }
    Json lines = Json::array();
    Json lineStops = Json::array();
    for (const RideLine& line : leg.lines) {
        lines.push_back(line.lnna);
        lineStops.push_back(line.stops);
    }
    return {{"kind", "ride"}, {"lines", lines},     {"from", leg.from},
            {"to", leg.to},   {"stops", leg.stops}, {"lineStops", lineStops}};
}

Json timedLegJson(const TimedJourneyLeg& leg) {
    if (leg.kind == TimedLeg::Kind::walk) {
        return {{"kind", "walk"},
                {"from", leg.from},
                {"to", leg.to},
                {"metres", leg.metres},
                {"minutes", leg.minutes}};
    }
    return {{"kind", "ride"},
            {"line", leg.line},
            {"headsign", leg.headsign},
            {"from", leg.from},
            {"to", leg.to},
            {"depart", dateTimeText(leg.depart)},
            {"arrive", dateTimeText(leg.arrive)},
            {"stops", leg.stops}};
}

// What a route search at a time adds: the time asked and, with a timetable, the day searched
// and the journeys; without one, the lines left out.
void addTimedData(Json& json, const TimedRouteAnswer& timed) {
    json["at"] = dateTimeText(journeyMinute(timed.asked.day, timed.asked.minute));
    json["arriveBy"] = timed.asked.arriveBy;
    if (!timed.timetable) {
        json["linesLeftOut"] = timed.linesLeftOut;
        return;
    }
    json["serviceDate"] = dateText(timed.serviceDay);
    Json& journeys = json["journeys"] = Json::array();
    for (const TimedJourneyEntry& journey : timed.journeys) {
        Json legs = Json::array();
        for (const TimedJourneyLeg& leg : journey.legs) legs.push_back(timedLegJson(leg));
        journeys.push_back({{"depart", dateTimeText(journey.depart)},
                            {"arrive", dateTimeText(journey.arrive)},
                            {"rides", journey.rides},
                            {"legs", legs}});
    }
}

}  // namespace

void addAnswerData(Json& json, const Answer& answer, Language language) {
    switch (answer.mode) {
        case QueryMode::Line: {
            Json& lines = json["lines"] = Json::array();
            for (std::size_t i = 0; i < answer.lines.size(); ++i) {
                const LineEntry& line = answer.lines[i];
                lines.push_back({{"lnna", line.lnna},
                                 {"fltime", line.fltime},
                                 {"stations", readNameList(line.passstna)}});
                // Data with a timetable: the line's departures from its first station that day.
                if (i < answer.lineDepartures.size()) {
                    lines.back()["date"] = dateText(answer.departuresDay);
                    lines.back()["departures"] = departuresText(answer.lineDepartures[i], language);
                }
            }
            break;
        }
        case QueryMode::SingleStation: {
            Json& stations = json["stations"] = Json::array();
            for (const StationEntry& station : answer.stations) {
                stations.push_back({{"stna", station.stna}, {"lines", station.lines}});
            }
            break;
        }
        case QueryMode::MultiStation: {
            json["from"] = answer.from;
            json["to"] = answer.to;
            Json& direct = json["direct"] = Json::array();
            for (const DirectLine& line : answer.direct) {
                direct.push_back({{"lnna", line.lnna},
                                  {"stations", readNameList(line.stretch)},
                                  {"stops", line.stops}});
            }
            Json& plans = json["plans"] = Json::array();
            for (const Plan& plan : answer.plans) {
                Json legs = Json::array();
                for (const PlanLeg& leg : plan.legs) legs.push_back(legJson(leg));
                plans.push_back({{"stops", plan.C}, {"legs", legs}});
            }
            if (answer.timed) addTimedData(json, *answer.timed);
            break;
        }
        case QueryMode::None:
            break;
    }
}

}  // namespace busquery::cli
