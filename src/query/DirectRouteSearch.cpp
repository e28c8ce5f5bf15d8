#include "query/DirectRouteSearch.h"

#include <string>

#include "query/DirectionWords.h"

namespace busquery {

void writeDirectLine(ResultPane& pane, std::string_view lnna, std::string_view stretch,
                     std::int64_t stops) {
    pane.setColour(colours::kBlack);
    pane.append(withoutDirectionWords(lnna) + "经过站点：");
    pane.setColour(colours::kStationBlue);
    pane.append(stretch);
    pane.append("(共" + std::to_string(stops) + "站)");
    pane.append("\r\n\r\n");
}

std::int32_t directRouteSearch(const NetworkIndex& index, std::string_view from,
                               std::string_view to, ResultPane& pane) {
    const RouteIndex& routes = index.routes;
    auto f = routes.find(from);
    auto t = routes.find(to);
    if (!f || !t) return 0;

    // Both occurrence lists are in line order: walk them side by side.
    const auto& fromLines = routes.linesThrough[*f];
    const auto& toLines = routes.linesThrough[*t];
    std::int32_t written = 0;
    auto a = fromLines.begin();
    auto b = toLines.begin();
    while (a != fromLines.end() && b != toLines.end()) {
        if (a->line < b->line) {
            ++a;
        } else if (b->line < a->line) {
            ++b;
        } else {
            if (b->position > a->position) {
                const LineInfo& line = index.lines[a->line];
                const RouteIndex::Line& stops = routes.lines[a->line];
                std::size_t begin = stops.offsets[a->position];
                std::size_t end =
                    stops.offsets[b->position] + routes.names[stops.stops[b->position]].size() + 1;
                writeDirectLine(pane, line.lnna,
                                std::string_view(line.passstna).substr(begin, end - begin),
                                b->position - a->position);
                ++written;
            }
            ++a;
            ++b;
        }
    }
    return written;
}

}  // namespace busquery
