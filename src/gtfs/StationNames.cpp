#include "gtfs/StationNames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <unordered_map>
#include <unordered_set>

#include "text/AsciiCase.h"

namespace busquery {
namespace {

constexpr std::size_t kMostLinesShown = 3;

bool servesLine(const StationFacts& station, const ServingLine& line) {
    return std::any_of(station.lines.begin(), station.lines.end(),
                       [&](const ServingLine& own) { return own.name == line.name; });
}

// 1/2号线 where the lines shown are numbers of one mode, else each line's name: 3路/A.
std::string linesText(const std::vector<ServingLine>& lines) {
    const ServingLine& first = lines.front();
    const bool oneMode = std::all_of(lines.begin(), lines.end(), [&](const ServingLine& line) {
        return !line.number.empty() && line.mode == first.mode && line.word == first.word;
    });
    std::string text;
    for (const ServingLine& line : lines) {
        if (!text.empty()) text += "/";
        text += oneMode ? line.number : line.name;
    }
    if (oneMode) text += first.word;
    return text;
}

// The lines a station's name shows: those no other place of the name has, else all of them;
// at most kMostLinesShown, in lnid order.
std::string shownLines(const StationFacts& station, const std::vector<std::size_t>& shared,
                       const std::vector<StationFacts>& stations) {
    std::vector<ServingLine> own;
    for (const ServingLine& line : station.lines) {
        if (std::none_of(shared.begin(), shared.end(), [&](std::size_t other) {
                return &stations[other] != &station && servesLine(stations[other], line);
            })) {
            own.push_back(line);
        }
    }
    if (own.empty()) own = station.lines;
    if (own.size() > kMostLinesShown) own.resize(kMostLinesShown);
    return linesText(own);
}

// The side of town the station lies on, seen from the mean position of the other places of its
// name; empty where a position is missing.
std::string sideOfTown(std::size_t station, const std::vector<std::size_t>& shared,
                       const std::vector<StationFacts>& stations) {
    if (!stations[station].position) return {};
    GeoPoint others;
    std::size_t count = 0;
    for (std::size_t other : shared) {
        if (other == station) continue;
        if (!stations[other].position) return {};
        others.lat += stations[other].position->lat;
        others.lon += stations[other].position->lon;
        ++count;
    }
    const GeoPoint at = *stations[station].position;
    const double north = at.lat - others.lat / count;
    const double east = (at.lon - others.lon / count) * std::cos(at.lat * std::numbers::pi / 180);
    if (north == 0 && east == 0) return {};
    // Eight sectors of 45 degrees, counter-clockwise from east.
    static constexpr std::array<const char*, 8> kSides = {"东", "东北", "北", "西北",
                                                          "西", "西南", "南", "东南"};
    const double turns = std::atan2(north, east) / (2 * std::numbers::pi);
    const auto sector = static_cast<long>(std::lround(turns * 8));
    return kSides[static_cast<std::size_t>((sector % 8 + 8) % 8)];
}

}  // namespace

std::vector<std::string> nameStationsApart(const std::vector<StationFacts>& stations,
                                           std::vector<NamedApart>& apart) {
    std::vector<std::string> names;
    std::unordered_set<std::string> taken;
    std::unordered_map<std::string, std::vector<std::size_t>> byName;
    std::vector<std::string> order;  // the names' keys in the order first met
    for (std::size_t s = 0; s < stations.size(); ++s) {
        names.push_back(stations[s].name);
        std::string key = asciiLower(stations[s].name);
        taken.insert(key);
        auto [it, added] = byName.try_emplace(key);
        if (added) order.push_back(key);
        it->second.push_back(s);
    }

    for (const std::string& key : order) {
        const std::vector<std::size_t>& shared = byName[key];
        if (shared.size() < 2) continue;
        std::vector<std::string> lineTexts;
        for (std::size_t s : shared) lineTexts.push_back(shownLines(stations[s], shared, stations));
        NamedApart named{stations[shared.front()].name, {}};
        for (std::size_t k = 0; k < shared.size(); ++k) {
            const std::size_t s = shared[k];
            const StationFacts& station = stations[s];
            const std::string& lines = lineTexts[k];
            const bool linesDiffer = std::count(lineTexts.begin(), lineTexts.end(), lines) == 1;
            const std::string side = sideOfTown(s, shared, stations);
            std::vector<std::string> additions;
            if (linesDiffer) additions.push_back(lines);
            if (!side.empty()) {
                additions.push_back(side);
                additions.push_back(lines + "·" + side);
            }
            additions.push_back(lines);
            std::string chosen;
            for (const std::string& addition : additions) {
                std::string candidate = station.name + "（" + addition + "）";
                if (!taken.contains(asciiLower(candidate))) {
                    chosen = std::move(candidate);
                    break;
                }
            }
            // Places alike in every respect a traveller can see still need names apart.
            for (int number = 2; chosen.empty(); ++number) {
                std::string candidate =
                    station.name + "（" + additions.front() + "·" + std::to_string(number) + "）";
                if (!taken.contains(asciiLower(candidate))) chosen = std::move(candidate);
            }
            taken.insert(asciiLower(chosen));
            names[s] = chosen;
            named.names.push_back(std::move(chosen));
        }
        apart.push_back(std::move(named));
    }
    return names;
}

}  // namespace busquery
