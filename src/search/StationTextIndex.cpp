#include "search/StationTextIndex.h"

#include <optional>

#include "network/NetworkIndex.h"
#include "search/SuggestionLine.h"
#include "search/SuggestionSearch.h"
#include "text/AsciiCase.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

struct Character {
    std::optional<std::uint32_t> key;  // nothing for an invalid character
    std::size_t length = 1;
};

// The character at byte offset at as its code point, ASCII letters lower-cased.
Character characterAt(std::string_view text, std::size_t at) {
    const Utf8Character c = utf8At(text, at);
    if (!c.valid) return {std::nullopt, c.length};
    if (c.point < 0x80) return {static_cast<unsigned char>(asciiLower(text[at])), 1};
    return {static_cast<std::uint32_t>(c.point), c.length};
}

std::uint64_t pairKey(std::uint32_t first, std::uint32_t second) {
    return (static_cast<std::uint64_t>(first) + 1) << 32 | second;
}

// The character keys of a search text; nothing when it is not well-formed UTF-8.
std::optional<std::vector<std::uint32_t>> characterKeys(std::string_view text) {
    std::vector<std::uint32_t> keys;
    for (std::size_t at = 0; at < text.size();) {
        Character c = characterAt(text, at);
        if (!c.key) return std::nullopt;
        keys.push_back(*c.key);
        at += c.length;
    }
    return keys;
}

}  // namespace

StationTextIndex StationTextIndex::build(const NetworkIndex& network) {
    return build(network.stations(), network.stationsByName());
}

StationTextIndex StationTextIndex::build(const std::vector<StationInfo>& stations,
                                         const std::vector<std::uint32_t>& byName) {
    StationTextIndex index;
    index.byName_ = byName;
    auto offset = [](const std::string& arena) { return static_cast<std::uint32_t>(arena.size()); };
    for (std::uint32_t place = 0; place < byName.size(); ++place) {
        const StationInfo& station = stations[byName[place]];
        index.lineAt_.push_back(offset(index.lines_));
        SuggestionLine{station.stna, station.rdna, station.near}.appendTo(index.lines_);
        FoldedColumns at;
        at.stnaAt = offset(index.folded_);
        index.folded_ += asciiLower(station.stna);
        at.rdnaAt = offset(index.folded_);
        index.folded_ += asciiLower(station.rdna);
        at.nearAt = offset(index.folded_);
        index.folded_ += asciiLower(station.near);
        index.foldedAt_.push_back(at);

        // Visiting the places in order keeps every list in order.
        auto add = [&](std::uint64_t key) {
            auto& list = index.placesByKey_[key];
            if (list.empty() || list.back() != place) list.push_back(place);
        };
        for (std::string_view column :
             {std::string_view(station.stna), std::string_view(station.rdna),
              std::string_view(station.near)}) {
            // Bytes of a broken sequence are skipped and part no pair: a well-formed search text
            // never starts inside one, so every occurrence of it is still seen.
            std::optional<std::uint32_t> previous;
            for (std::size_t at = 0; at < column.size();) {
                Character c = characterAt(column, at);
                at += c.length;
                if (c.key) {
                    add(*c.key);
                    if (previous) add(pairKey(*previous, *c.key));
                }
                previous = c.key;
            }
        }
    }
    index.lineAt_.push_back(offset(index.lines_));
    const std::uint32_t end = offset(index.folded_);
    index.foldedAt_.push_back(FoldedColumns{end, end, end});
    return index;
}

bool StationTextIndex::contains(std::uint32_t place, std::string_view folded,
                                Columns columns) const {
    const FoldedColumns& at = foldedAt_[place];
    const std::string_view all(folded_);
    auto has = [&](std::uint32_t from, std::uint32_t to) {
        return all.substr(from, to - from).find(folded) != std::string_view::npos;
    };
    if (has(at.stnaAt, at.rdnaAt)) return true;
    return columns == Columns::NameRoadLandmarks &&
           (has(at.rdnaAt, at.nearAt) || has(at.nearAt, foldedAt_[place + 1].stnaAt));
}

std::vector<std::uint32_t> StationTextIndex::find(std::string_view text, Columns columns) const {
    const std::string folded = asciiLower(text);
    const auto keys = characterKeys(folded);
    // A malformed text has no characters to look up, and the empty one is in every station:
    // both check every station.
    std::vector<std::uint32_t> everyPlace;
    const std::vector<std::uint32_t>* candidates = nullptr;
    bool exact = false;
    if (keys && !keys->empty()) {
        auto consider = [&](std::uint64_t key) {
            auto found = placesByKey_.find(key);
            if (found == placesByKey_.end()) return false;
            if (!candidates || found->second.size() < candidates->size()) {
                candidates = &found->second;
            }
            return true;
        };
        if (keys->size() == 1 && !consider(keys->front())) return {};
        for (std::size_t k = 1; k < keys->size(); ++k) {
            if (!consider(pairKey((*keys)[k - 1], (*keys)[k]))) return {};
        }
        // The list of a single character or pair holds exactly the stations with that text.
        exact = keys->size() <= 2 && columns == Columns::NameRoadLandmarks;
    } else {
        everyPlace.resize(byName_.size());
        for (std::uint32_t place = 0; place < everyPlace.size(); ++place) everyPlace[place] = place;
        candidates = &everyPlace;
    }
    if (exact) return *candidates;

    std::vector<std::uint32_t> matches;
    for (std::uint32_t place : *candidates) {
        if (contains(place, folded, columns)) matches.push_back(place);
    }
    return matches;
}

}  // namespace busquery
