// The station box over the sample city: the suggestions for its text, and the station lookup
// with a picked line (the text after the first line break), rendered as the pane shows it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "FuzzSampleCity.h"
#include "query/PieceRecorder.h"
#include "query/Query.h"
#include "search/SuggestionSearch.h"
#include "store/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [stationText, pickedLine] =
        busquery::fuzz::twoTexts(busquery::fuzz::inputText(data, size));
    busquery::BusData& city = busquery::fuzz::sampleCity();

    const std::string cleaned = busquery::cleanSuggestionText(stationText);
    if (busquery::startsSuggestionSearch(cleaned)) {
        for (std::string_view line : busquery::suggestStations(city.index(), cleaned)) {
            if (line.empty()) busquery::fuzz::fault();
        }
    }

    busquery::Query query(city);
    busquery::PieceRecorder pane;
    busquery::QueryInput input;
    input.station = std::string(stationText);
    input.pickedLine = std::string(pickedLine);
    query.run(input, pane);
    query.lookUpStation(stationText, pickedLine);
    return 0;
}
