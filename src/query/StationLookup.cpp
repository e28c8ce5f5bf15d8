#include "query/StationLookup.h"

#include <stdexcept>

namespace busquery {

// Placeholder until the station lookup lands.
void stationLookup(const NetworkIndex&, std::string_view, QueryState&, ResultPane&)
{
    throw std::logic_error("station lookup is not built yet");
}

}  // namespace busquery
