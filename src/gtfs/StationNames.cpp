#include "gtfs/StationNames.h"

#include <unordered_map>
#include <unordered_set>

#include "text/AsciiCase.h"
#include "text/NumericText.h"

namespace busquery {

std::vector<std::string> nameStationsApart(const std::vector<StationFacts>& stations,
                                           std::uint64_t& namesSplit) {
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
        ++namesSplit;
        std::size_t keeper = shared.front();
        for (std::size_t s : shared) {
            if (stations[s].lines > stations[keeper].lines) keeper = s;
        }
        const StationFacts& kept = stations[keeper];
        for (std::size_t s : shared) {
            if (s == keeper) continue;
            const StationFacts& station = stations[s];
            std::vector<std::string> candidates;
            if (!station.description.empty() &&
                !equalsIgnoreAsciiCase(station.description, kept.description)) {
                candidates.push_back(station.name + "（" + station.description + "）");
            }
            if (!station.zone.empty() && !equalsIgnoreAsciiCase(station.zone, kept.zone)) {
                candidates.push_back(station.name + "·" + station.zone +
                                     (isNumericText(station.zone) ? "区" : ""));
            }
            if (!station.terminus.empty() && !equalsIgnoreAsciiCase(station.terminus, key)) {
                candidates.push_back(station.name + "（往" + station.terminus + "）");
            }
            std::string chosen;
            for (const std::string& candidate : candidates) {
                if (!taken.contains(asciiLower(candidate))) {
                    chosen = candidate;
                    break;
                }
            }
            for (int number = 2; chosen.empty(); ++number) {
                std::string candidate = station.name + "（" + std::to_string(number) + "）";
                if (!taken.contains(asciiLower(candidate))) chosen = candidate;
            }
            taken.insert(asciiLower(chosen));
            names[s] = std::move(chosen);
        }
    }
    return names;
}

}  // namespace busquery
