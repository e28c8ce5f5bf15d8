#include "route/RouteCity.h"

#include "route/DirectRouteSearch.h"
#include "route/JourneySearch.h"
#include "route/PlanRanking.h"
#include "route/RouteIndex.h"
#include "route/TransferRouteSearch.h"
#include "support/SqlFile.h"

namespace busquery::test {
namespace {

std::filesystem::path written(const TestCity& city, const std::string& walkSql,
                              const std::filesystem::path& file) {
    city.write(file);
    if (!walkSql.empty()) writeSql(file, walkSql.c_str());
    return file;
}

}  // namespace

std::string walk(const std::string& a, const std::string& b, int metres) {
    const std::string m = std::to_string(metres);
    return "INSERT INTO nstwalk VALUES ('" + a + "', '" + b + "', " + m + "), ('" + b + "', '" + a +
           "', " + m + ");";
}

RouteCity::RouteCity(const TestCity& city, const std::string& walkSql)
    : data_(written(city, walkSql, dir_ / "busdata")) {
    data_.refresh();
}

std::string RouteCity::direct(const std::string& from, const std::string& to) const {
    std::string text;
    const RouteIndex& routes = index().derived<RouteIndex>();
    const auto f = routes.find(from);
    const auto t = routes.find(to);
    if (!f || !t) return text;
    for (const DirectLine& line : directRouteSearch(index(), *f, *t)) {
        text += line.lnna + " " + std::to_string(line.stops) + "站 " + line.stretch + "\n";
    }
    return text;
}

std::string RouteCity::oneChange(const std::string& from, const std::string& to) const {
    TransferRouteSearch search;
    const RouteIndex& routes = index().derived<RouteIndex>();
    switch (search.run(index(), routes.find(from), routes.find(to))) {
        case TransferOutcome::NoOrigin:
            return "no origin\n";
        case TransferOutcome::NoDestination:
            return "no destination\n";
        case TransferOutcome::Searched:
            break;
    }
    return plansText(rankedPlans(search, index().derived<RouteIndex>(), from, to));
}

std::string RouteCity::journeys(const std::string& from, const std::string& to,
                                JourneySearchState& state) const {
    const RouteIndex& routes = index().derived<RouteIndex>();
    return plansText(JourneySearch(state).run(index(), *routes.find(from), *routes.find(to)));
}

std::string RouteCity::journeys(const std::string& from, const std::string& to) const {
    JourneySearchState state;
    return journeys(from, to, state);
}

std::string plansText(const std::vector<Plan>& plans) {
    std::string text;
    for (const Plan& plan : plans) {
        text += "C=" + std::to_string(plan.C) + ":";
        for (std::size_t i = 0; i < plan.legs.size(); ++i) {
            const PlanLeg& leg = plan.legs[i];
            if (i == 0) text += " " + leg.from;
            if (leg.kind == PlanLeg::Kind::Walk) {
                text += " ~" + std::to_string(leg.metres) + "米~ ";
            } else {
                text += " =";
                for (std::size_t l = 0; l < leg.lines.size(); ++l) {
                    text += (l > 0 ? "/" : "") + leg.lines[l].lnna;
                }
                text += "(" + std::to_string(leg.stops) + ")=> ";
            }
            text += leg.to;
        }
        text += "\n";
    }
    return text;
}

}  // namespace busquery::test
