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
    std::vector<LineInfo> rows = index.lines;
    for (const std::uint32_t line : lines) rows[line].passstna = {};
    return index.withLines(std::move(rows));
}

}  // namespace busquery
