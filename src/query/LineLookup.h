#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "network/NetworkIndex.h"
#include "query/Answer.h"
#include "search/EnglishStationNames.h"

namespace busquery {

// Every line of the city whose name begins with the request (every "路" removed; a numeric
// request must be followed by "路"), in lnid order, then numberedLinesOfEveryMode.
std::vector<LineEntry> lineLookup(const NetworkIndex& index, std::string_view request);

// After the lines a numeric request lists by its prefix, the lines of other modes whose number
// it is: 无轨电车1路, 地铁1号线, 1G, 1N for 1 (not 10路, not 夜1, not B1路), in lnid order.
std::vector<LineEntry> numberedLinesOfEveryMode(const NetworkIndex& index,
                                                std::string_view request);

// After the lines a request lists, for an English interface: the lines not listed yet whose
// route name has an English name that begins with the typed text (case and accents aside), in
// lnid order.
void addLinesByEnglishName(const NetworkIndex& index, const EnglishStationNames& english,
                           std::string_view typed, std::vector<LineEntry>& found);

// Whether a line lookup of the request would list anything.
bool lineLookupFinds(const NetworkIndex& index, std::string_view request);

// The name prefix a line request looks for: the request without "路", plus "路" when numeric.
std::string linePrefix(std::string_view request);

}  // namespace busquery
