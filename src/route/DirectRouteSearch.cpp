#include "route/DirectRouteSearch.h"

#include "route/RouteIndex.h"

namespace busquery {

std::vector<DirectLine> directRouteSearch(const NetworkIndex& index, RouteIndex::FoldedId from,
                                          RouteIndex::FoldedId to) {
    const RouteIndex& routes = index.derived<RouteIndex>();
    // Both occurrence lists are in line order: walk them side by side.
    const auto& fromLines = routes.linesThrough[from];
    const auto& toLines = routes.linesThrough[to];
    std::vector<DirectLine> found;
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
                found.push_back(DirectLine{std::string(line.lnna),
                                           std::string(line.passstna.substr(begin, end - begin)),
                                           b->position - a->position});
            }
            ++a;
            ++b;
        }
    }
    return found;
}

}  // namespace busquery
