#include "route/JourneySearchState.h"

namespace busquery {

void JourneySearchState::resize(const JourneyNetwork& network) {
    const std::uint32_t stationCount = network.stationCount();
    const std::size_t lineCount = network.lines.size();
    if (stations == stationCount && lineStart.size() == lineCount) return;
    stations = stationCount;
    labels.assign(std::size_t{kLabelsPerStation} * stationCount, Label{});
    labelled.clear();
    boardings.assign(std::size_t{kMaxRides + 1} * stationCount, Boarding{});
    stamp.assign(stationCount, 0);
    bestRide.assign(stationCount, UINT32_MAX);
    bestAny.assign(stationCount, UINT32_MAX);
    bestSearch.assign(stationCount, 0);
    onward.assign(stationCount, kNoWay);
    fewest.assign(stationCount, kUnset);
    fewestBoarding.assign(stationCount, kUnset);
    leveled.clear();
    lineStart.assign(lineCount, 0);
    lineStamp.assign(lineCount, 0);
    lastStop.assign(kLevels * lineCount, 0);
    lastStopStamp.assign(kLevels * lineCount, 0);
    query = 0;
    search = 0;
    roundStamp = 0;
}

}  // namespace busquery
