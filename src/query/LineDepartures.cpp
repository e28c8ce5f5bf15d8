#include "query/LineDepartures.h"

#include <algorithm>
#include <cstdio>

#include "query/Words.h"

namespace busquery {
namespace {

// A run of this many equal gaps or more is written as one headway.
constexpr std::size_t kShortestRun = 3;

std::string clock(ServiceMinute minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60, minute % 60);
    return text;
}

}  // namespace

std::string departuresText(const std::vector<ServiceMinute>& departures, Language language) {
    std::string text;
    auto add = [&](const std::string& piece) { text += (text.empty() ? "" : " ") + piece; };
    for (std::size_t i = 0; i < departures.size();) {
        std::size_t end = i + 1;
        if (end < departures.size()) {
            const int gap = departures[end] - departures[i];
            while (end + 1 < departures.size() && departures[end + 1] - departures[end] == gap) {
                ++end;
            }
            if (gap > 0 && end - i >= kShortestRun) {
                add(clock(departures[i]) + " … " +
                    tr(language, "LineDepartures", "每%1分钟", {std::to_string(gap)}) + " … " +
                    clock(departures[end]));
                i = end + 1;
                continue;
            }
        }
        add(clock(departures[i]));
        ++i;
    }
    return text;
}

std::vector<std::vector<ServiceMinute>> lineDepartures(const NetworkIndex& index,
                                                       const std::vector<LineEntry>& lines,
                                                       ServiceDay day) {
    const Timetable& timetable = index.derived<Timetable>();
    if (timetable.empty()) return {};
    std::vector<std::vector<ServiceMinute>> perLine;
    std::vector<bool> used(index.lines.size(), false);
    for (const LineEntry& entry : lines) {
        std::vector<ServiceMinute> departures;
        for (const std::uint32_t l : index.cityLinesByLnid) {
            const LineInfo& line = index.lines[l];
            if (used[l] || line.lnna != entry.lnna || line.passstna != entry.passstna ||
                line.fltime != entry.fltime) {
                continue;
            }
            used[l] = true;
            if (l >= timetable.lines.size()) break;
            const auto& trips = timetable.lines[l];
            for (std::uint32_t t = trips.firstTrip; t < trips.firstTrip + trips.tripCount; ++t) {
                const bool runs =
                    !timetable.calendarGiven || timetable.runs(timetable.trips[t].service, day);
                // A short run that starts further on does not leave the first station.
                if (runs && trips.stopCount > 0 &&
                    timetable.departuresOf(t, trips)[0] != Timetable::kNoStop) {
                    departures.push_back(timetable.departuresOf(t, trips)[0]);
                }
            }
            break;
        }
        std::sort(departures.begin(), departures.end());
        perLine.push_back(std::move(departures));
    }
    return perLine;
}

}  // namespace busquery
