#include "query/RouteSearch.h"

#include <stdexcept>

namespace busquery {

// Placeholder until the route search lands.
void routeSearch(const NetworkIndex&, QueryState&, ResultPane&)
{
    throw std::logic_error("route search is not built yet");
}

}  // namespace busquery
