#include "route/RouteIndex.h"

#include <algorithm>

#include "network/NetworkIndex.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

class RouteIndexBuilder {
  public:
    explicit RouteIndexBuilder(RouteIndex& index,
                               std::unordered_map<std::string, RouteIndex::FoldedId>& foldedIds)
        : index_(index), foldedIds_(foldedIds) {}

    RouteIndex::FoldedId folded(std::string_view name) {
        auto [it, added] = foldedIds_.try_emplace(
            asciiLower(name), static_cast<RouteIndex::FoldedId>(foldedIds_.size()));
        if (added) {
            index_.linesThrough.emplace_back();
            index_.firstStation.push_back(RouteIndex::kNone);
        }
        return it->second;
    }

    RouteIndex::NameId exact(std::string_view name) {
        auto [it, added] = nameIds_.try_emplace(std::string(name),
                                                static_cast<RouteIndex::NameId>(nameIds_.size()));
        if (added) {
            index_.names.emplace_back(name);
            index_.foldedOf.push_back(folded(name));
        }
        return it->second;
    }

    void addLine(std::uint32_t lineNo, std::string_view passstna) {
        RouteIndex::Line line;
        for (std::size_t start = 0, end;
             (end = passstna.find(';', start)) != std::string_view::npos; start = end + 1) {
            line.offsets.push_back(static_cast<std::uint32_t>(start));
            if (end == start) {
                line.stops.push_back(RouteIndex::kNone);
                continue;
            }
            RouteIndex::NameId name = exact(passstna.substr(start, end - start));
            auto& through = index_.linesThrough[index_.foldedOf[name]];
            // Only the first occurrence on a line counts; a later one finds this line already.
            if (through.empty() || through.back().line != lineNo) {
                through.push_back({lineNo, static_cast<std::uint32_t>(line.stops.size())});
            }
            line.stops.push_back(name);
        }
        index_.lines.push_back(std::move(line));
    }

  private:
    RouteIndex& index_;
    std::unordered_map<std::string, RouteIndex::FoldedId>& foldedIds_;
    std::unordered_map<std::string, RouteIndex::NameId> nameIds_;
};

}  // namespace

RouteIndex RouteIndex::build(const NetworkIndex& network) {
    RouteIndex index;
    RouteIndexBuilder builder(index, index.foldedIds_);

    std::unordered_map<std::string, std::uint32_t> firstCityLine;  // ASCII-lowered lnna → line
    index.lines.reserve(network.lines.size());
    for (std::uint32_t i = 0; i < network.lines.size(); ++i) {
        const LineInfo& line = network.lines[i];
        builder.addLine(i, line.passstna);
        if (line.inCity) firstCityLine.try_emplace(asciiLower(line.lnna), i);
    }

    index.stationLines.reserve(network.stations().size());
    for (std::uint32_t i = 0; i < network.stations().size(); ++i) {
        const StationInfo& station = network.stations()[i];
        FoldedId name = builder.folded(station.stna);
        if (index.firstStation[name] == kNone) index.firstStation[name] = i;

        auto& resolved = index.stationLines.emplace_back();
        resolved.reserve(station.lines.size());
        for (const std::string_view lnna : station.lines) {
            auto it = firstCityLine.find(asciiLower(lnna));
            resolved.push_back(it == firstCityLine.end() ? kNone : it->second);
        }
    }
    return index;
}

std::optional<RouteIndex::FoldedId> RouteIndex::find(std::string_view name) const {
    auto it = foldedIds_.find(asciiLower(name));
    if (it == foldedIds_.end()) return std::nullopt;
    return it->second;
}

std::optional<RouteIndex::FoldedId> RouteIndex::findStation(std::string_view name) const {
    auto folded = find(name);
    if (!folded || firstStation[*folded] == kNone) return std::nullopt;
    return folded;
}

std::uint32_t RouteIndex::positionOn(std::uint32_t line, FoldedId name) const {
    const auto& through = linesThrough[name];
    auto it = std::lower_bound(through.begin(), through.end(), line,
                               [](const Occurrence& o, std::uint32_t l) { return o.line < l; });
    return it != through.end() && it->line == line ? it->position : kNone;
}

}  // namespace busquery
