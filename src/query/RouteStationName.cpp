#include "query/RouteStationName.h"

namespace busquery {

std::string_view routeStationName(std::string_view boxText) {
    return boxText.substr(0, boxText.find_first_of("[{"));
}

}  // namespace busquery
