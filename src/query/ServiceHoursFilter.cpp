#include "query/ServiceHoursFilter.h"

#include "route/ServiceHours.h"

namespace busquery {

std::vector<std::uint32_t> linesOutOfService(const NetworkIndex& index, std::uint32_t minute) {
    std::vector<std::uint32_t> lines;
    for (const std::uint32_t line : index.cityLinesByLnid) {
        const auto hours = readServiceHours(index.lines[line].fltime);
        if (hours && !hours->covers(minute)) lines.push_back(line);
    }
    return lines;
}

NetworkIndex withoutLines(const NetworkIndex& index, const std::vector<std::uint32_t>& lines) {
    NetworkIndex filtered;
    filtered.city = index.city;
    filtered.lines = index.lines;
    filtered.linesByLnid = index.linesByLnid;
    filtered.cityLinesByLnid = index.cityLinesByLnid;
    filtered.stations = index.stations;
    filtered.walks = index.walks;
    for (const std::uint32_t line : lines) filtered.lines[line].passstna.clear();
    return filtered;
}

}  // namespace busquery
