#include "gtfs/GtfsTranslations.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "gtfs/FeedText.h"
#include "text/AsciiCase.h"
#include "text/DirectionWords.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

constexpr std::string_view kFile = "translations.txt";

// How well a language tag names English: 2 for "en", 1 for a regional form ("en-GB"), else 0.
int englishRank(std::string_view language) {
    if (equalsIgnoreAsciiCase(language, "en")) return 2;
    return language.size() > 3 && equalsIgnoreAsciiCase(language.substr(0, 3), "en-") ? 1 : 0;
}

struct Translation {
    std::string name;
    int rank = 0;

    void offer(std::string text, int textRank) {
        if (textRank > rank) *this = Translation{std::move(text), textRank};
    }
};

}  // namespace

GtfsTranslations GtfsTranslations::read(CsvTable& table, const GtfsStops& stops,
                                        ImportSummary& summary) {
    const auto tableColumn = table.column("table_name");
    const auto fieldColumn = table.column("field_name");
    const auto languageColumn = table.column("language");
    const auto recordColumn = table.column("record_id");
    const auto valueColumn = table.column("field_value");
    const auto keyColumn = table.column("trans_id");
    const auto langColumn = table.column("lang");
    const auto translationColumn = table.column("translation");
    const bool current = tableColumn && fieldColumn && languageColumn && translationColumn;
    const bool older = !current && keyColumn && langColumn && translationColumn;

    GtfsTranslations result;
    result.stopNames.resize(stops.stationOfStop.size());
    if (!current && !older) {
        summary.skipMany(1, kFile,
                         "列既不是 table_name/field_name/language/translation，也不是 "
                         "trans_id/lang/translation，未读取站名翻译",
                         "文件", kFile);
        return result;
    }
    std::vector<Translation> byStop(stops.stationOfStop.size());
    std::unordered_map<std::string, Translation> byText;
    std::unordered_map<std::string, Translation> byRouteShort;
    std::unordered_map<std::string, Translation> byRouteLong;
    std::unordered_map<std::string, Translation> byRouteText;
    table.forEachRow([&](const CsvRow& row) {
        const int rank = englishRank(row[current ? languageColumn : langColumn]);
        if (rank == 0) return;
        const bool routeShort =
            current && row[tableColumn] == "routes" && row[fieldColumn] == "route_short_name";
        const bool routeLong =
            current && row[tableColumn] == "routes" && row[fieldColumn] == "route_long_name";
        if (current && !routeShort && !routeLong &&
            (row[tableColumn] != "stops" || row[fieldColumn] != "stop_name")) {
            return;
        }
        const std::string_view translation = row[translationColumn];
        if (!isValidUtf8(translation)) {
            summary.skip(kFile, "文字不是 UTF-8 编码", row.line(), "translation", translation);
            return;
        }
        std::string name = cleanFeedText(translation);
        if (name.empty()) return;
        if (older) {
            std::string key = cleanFeedText(row[keyColumn]);
            byRouteText[key].offer(name, rank);
            byText[std::move(key)].offer(std::move(name), rank);
        } else if (routeShort || routeLong) {
            if (!row[recordColumn].empty()) {
                (routeShort ? byRouteShort : byRouteLong)[std::string(row[recordColumn])].offer(
                    std::move(name), rank);
            } else if (!row[valueColumn].empty()) {
                byRouteText[cleanFeedText(row[valueColumn])].offer(std::move(name), rank);
            }
        } else if (!row[recordColumn].empty()) {
            const auto stop = stops.stopIds.find(row[recordColumn]);
            if (!stop) {
                summary.skip(kFile, "record_id 不是 stops.txt 中的站点", row.line(), "record_id",
                             row[recordColumn]);
                return;
            }
            byStop[*stop].offer(std::move(name), rank);
        } else if (!row[valueColumn].empty()) {
            byText[cleanFeedText(row[valueColumn])].offer(std::move(name), rank);
        }
    });

    // A translation of the stop itself holds over one of its name's text.
    for (std::uint32_t stop = 0; stop < byStop.size(); ++stop) {
        if (byStop[stop].rank > 0) {
            result.stopNames[stop] = std::move(byStop[stop].name);
            continue;
        }
        const std::uint32_t station = stops.stationOfStop[stop];
        if (station == GtfsStops::kNoStation) continue;
        const auto found = byText.find(stops.stationNames[station]);
        if (found != byText.end()) result.stopNames[stop] = found->second.name;
    }
    for (auto [from, to] : {std::pair{&byRouteShort, &result.routeShortNames},
                            std::pair{&byRouteLong, &result.routeLongNames},
                            std::pair{&byRouteText, &result.routeNamesByText}}) {
        for (auto& [key, translation] : *from) to->emplace(key, std::move(translation.name));
    }
    return result;
}

std::vector<LineNameRow> GtfsTranslations::lineNames(const GtfsRoutes& routes,
                                                     const GtfsNetwork& network) const {
    // The English name of each route name as the feed writes it; the first route holds.
    std::unordered_map<std::string_view, std::string_view> english;
    for (std::uint32_t r = 0; r < routes.routes.size(); ++r) {
        const GtfsRoute& route = routes.routes[r];
        // A numbered name (12路) or one with its mode word is not the text the feed translates.
        const bool isShort = !route.shortName.empty() && route.name == route.shortName;
        if (!route.number.empty() || (!isShort && route.name != route.longName)) continue;
        std::string_view name;
        const auto& byRoute = isShort ? routeShortNames : routeLongNames;
        if (const auto found = byRoute.find(std::string(routes.routeIds.id(r)));
            found != byRoute.end()) {
            name = found->second;
        } else if (const auto text = routeNamesByText.find(route.name);
                   text != routeNamesByText.end()) {
            name = text->second;
        }
        if (!name.empty() && name != route.name) english.try_emplace(route.name, name);
    }
    std::vector<LineNameRow> rows;
    if (english.empty()) return rows;
    std::unordered_map<std::string_view, bool> written;
    for (const LineRow& line : network.lines) {
        const auto found = english.find(routeNameOfLine(line.lnna));
        if (found == english.end() || written[found->first]) continue;
        written[found->first] = true;
        rows.push_back(LineNameRow{std::string(found->first), "en", std::string(found->second)});
    }
    return rows;
}

std::vector<StationNameRow> GtfsTranslations::stationNames(const GtfsStops& stops,
                                                           const GtfsNetwork& network) const {
    // By row of stations: each English name its stops give and how many give it, as met.
    std::vector<std::vector<std::pair<std::string_view, std::uint32_t>>> votes(
        network.stations.size());
    for (std::uint32_t stop = 0; stop < stopNames.size(); ++stop) {
        const std::uint32_t station = stops.stationOfStop[stop];
        if (stopNames[stop].empty() || station == GtfsStops::kNoStation ||
            station >= network.stationRow.size()) {
            continue;
        }
        const std::uint32_t row = network.stationRow[station];
        if (row == GtfsNetwork::kNone) continue;
        auto& names = votes[row];
        auto it = std::find_if(names.begin(), names.end(),
                               [&](const auto& vote) { return vote.first == stopNames[stop]; });
        if (it == names.end()) {
            names.emplace_back(stopNames[stop], 1);
        } else {
            ++it->second;
        }
    }
    std::vector<StationNameRow> rows;
    for (std::uint32_t row = 0; row < votes.size(); ++row) {
        if (votes[row].empty()) continue;
        // max_element keeps the first of equally many.
        const auto best =
            std::max_element(votes[row].begin(), votes[row].end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        const std::string& stna = network.stations[row].stna;
        if (best->first == stna) continue;  // nothing a traveller would read differently
        rows.push_back(StationNameRow{stna, "en", std::string(best->first)});
    }
    return rows;
}

}  // namespace busquery
