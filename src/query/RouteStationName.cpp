#include "query/RouteStationName.h"

#include "search/SuggestionLine.h"

namespace busquery {

std::string_view routeStationName(std::string_view boxText) {
    return SuggestionLine::parse(boxText).stna;
}

}  // namespace busquery
