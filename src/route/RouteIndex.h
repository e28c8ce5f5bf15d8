#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace busquery {

struct NetworkIndex;

// The network as the route search reads it: every station name of the line lists interned to an
// integer, each line's stations as an array of those integers, and the lookups the route
// statements make by name (ASCII letter case ignored) resolved ahead of time.
//
// A station is in a list only as a whole name: at the start of the list or right after a ";",
// and followed by ";". A trailing name without its ";" is not one, nor is anything holding ";".
struct RouteIndex {
    using NameId = std::uint32_t;    // one name exactly as written in the lists
    using FoldedId = std::uint32_t;  // every name that is equal to it but for ASCII letter case

    static constexpr std::uint32_t kNone = UINT32_MAX;

    struct Line {
        // The whole names of Passstna in travelling order; kNone for an empty piece, no station.
        std::vector<NameId> stops;
        std::vector<std::uint32_t> offsets;  // byte offset of each of them in Passstna
    };

    // A line whose list holds a name, and the position of its first whole-name occurrence.
    struct Occurrence {
        std::uint32_t line;
        std::uint32_t position;
    };

    std::vector<std::string> names;  // NameId → name
    std::vector<FoldedId> foldedOf;  // NameId → FoldedId
    std::vector<Line> lines;         // parallel to NetworkIndex::lines
    // FoldedId → the lines (of every city) whose list holds the name, in table order.
    std::vector<std::vector<Occurrence>> linesThrough;
    // FoldedId → the first nstinfo row whose stna is the name, or kNone.
    std::vector<std::uint32_t> firstStation;
    // Parallel to NetworkIndex::stations and their Passlnna names: the first line of the city
    // with that lnna, or kNone when there is none.
    std::vector<std::vector<std::uint32_t>> stationLines;

    static RouteIndex build(const NetworkIndex& network);

    // The FoldedId of a station name, or nothing when no list and no station holds it.
    std::optional<FoldedId> find(std::string_view name) const;
    // The same, only when nstinfo has a station of that name.
    std::optional<FoldedId> findStation(std::string_view name) const;

    // Position of the first whole-name occurrence of a name on a line, or kNone.
    std::uint32_t positionOn(std::uint32_t line, FoldedId name) const;

  private:
    std::unordered_map<std::string, FoldedId> foldedIds_;  // ASCII-lowered name → FoldedId
};

}  // namespace busquery
