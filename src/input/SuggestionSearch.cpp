#include "input/SuggestionSearch.h"

#include "db/AsciiCase.h"
#include "db/Text.h"

namespace busquery {

std::string cleanSuggestionText(std::string_view boxText) { return removeAll(boxText, "%"); }

bool startsSuggestionSearch(std::string_view cleanedText)
{
    return !cleanedText.empty() && cleanedText.find('[') == std::string_view::npos;
}

std::string suggestionLine(const StationInfo& station)
{
    std::string line = station.stna;
    if (!station.rdna.empty()) line.append("[").append(station.rdna).append("]");
    if (!station.near.empty()) line.append("{").append(station.near).append("}");
    return line;
}

std::vector<std::string> suggestStations(const NetworkIndex& index, std::string_view cleanedText)
{
    std::vector<std::string> items;
    std::string previous;
    for (std::uint32_t i : index.stationsByName) {
        const StationInfo& station = index.stations[i];
        if (findIgnoreAsciiCase(station.stna, cleanedText) == std::string_view::npos &&
            findIgnoreAsciiCase(station.rdna, cleanedText) == std::string_view::npos &&
            findIgnoreAsciiCase(station.near, cleanedText) == std::string_view::npos) {
            continue;
        }
        std::string line = suggestionLine(station);
        if (!equalsIgnoreAsciiCase(line, previous)) items.push_back(line);
        previous = std::move(line);
    }
    return items;
}

}  // namespace busquery
