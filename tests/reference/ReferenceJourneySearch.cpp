#include "reference/ReferenceJourneySearch.h"

#include <algorithm>
#include <map>
#include <vector>

#include "text/AsciiCase.h"

namespace busquery::test {
namespace {

constexpr int kMaxRides = 5;

// The pieces of a list before each ";": the stops of a line, an empty piece being no station.
std::vector<std::string> stopsOf(std::string_view passstna) {
    std::vector<std::string> stops;
    std::string piece;
    for (char c : passstna) {
        if (c == ';') {
            stops.push_back(asciiLower(piece));
            piece.clear();
        } else {
            piece += c;
        }
    }
    return stops;
}

class Explorer {
  public:
    Explorer(const NetworkIndex& network, std::string origin, std::string destination)
        : destination_(std::move(destination)) {
        for (const LineInfo& line : network.lines) {
            if (line.inCity) lines_.push_back(stopsOf(line.passstna));
        }
        for (const WalkInfo& walk : network.walks()) {
            const std::string a = asciiLower(walk.stna);
            const std::string b = asciiLower(walk.tostna);
            if (a == b) continue;
            auto [it, added] = walks_[a].try_emplace(b, walk.metres);
            if (!added && walk.metres < it->second) it->second = walk.metres;
        }
        visited_.push_back(std::move(origin));
    }

    // The lowest cost of a journey of exactly `rides` rides, if there is one.
    std::optional<std::uint32_t> cheapest(int rides) {
        best_.reset();
        go(rides, 0, false, kNoLine);
        return best_;
    }

  private:
    bool seen(const std::string& station) const {
        return std::find(visited_.begin(), visited_.end(), station) != visited_.end();
    }

    static constexpr std::size_t kNoLine = SIZE_MAX;

    // From the last station visited, with `rides` rides still to take; `lastLine` is the line
    // just ridden, which the next ride may not be on.
    void go(int rides, std::uint32_t cost, bool onFoot, std::size_t lastLine) {
        if (best_ && cost >= *best_) return;
        const std::string here = visited_.back();
        if (here == destination_) {
            if (rides == 0) best_ = cost;
            return;
        }
        if (!onFoot) {
            auto it = walks_.find(here);
            if (it != walks_.end()) {
                for (const auto& [target, metres] : it->second) {
                    if (seen(target)) continue;
                    visited_.push_back(target);
                    go(rides, cost + (metres + 249) / 250, true, kNoLine);
                    visited_.pop_back();
                }
            }
        }
        if (rides == 0) return;
        for (std::size_t line = 0; line < lines_.size(); ++line) {
            if (line == lastLine) continue;
            const auto& stops = lines_[line];
            for (std::size_t i = 0; i < stops.size(); ++i) {
                if (stops[i] != here) continue;
                for (std::size_t j = i + 1; j < stops.size(); ++j) {
                    if (stops[j].empty() || seen(stops[j])) continue;
                    visited_.push_back(stops[j]);
                    go(rides - 1, cost + static_cast<std::uint32_t>(j - i), false, line);
                    visited_.pop_back();
                }
            }
        }
    }

    std::string destination_;
    std::vector<std::vector<std::string>> lines_;
    std::map<std::string, std::map<std::string, std::uint32_t>> walks_;  // shortest per pair
    std::vector<std::string> visited_;
    std::optional<std::uint32_t> best_;
};

}  // namespace

std::optional<ReferenceJourney> referenceJourney(const NetworkIndex& network,
                                                 const std::string& from, const std::string& to) {
    Explorer explorer(network, asciiLower(from), asciiLower(to));
    for (int rides = 1; rides <= kMaxRides; ++rides) {
        if (auto cost = explorer.cheapest(rides)) {
            return ReferenceJourney{static_cast<std::uint32_t>(rides), *cost};
        }
    }
    return std::nullopt;
}

}  // namespace busquery::test
