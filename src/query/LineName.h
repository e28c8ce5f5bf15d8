#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "query/Language.h"
#include "search/EnglishStationNames.h"

namespace busquery {

// The last station of a stored line, for "towards" in an English line name; empty when unknown.
using LineTerminus = std::function<std::string(std::string_view lnna)>;

// A stored line name as the interface shows it. Chinese: as stored. English: the Chinese
// decorations read as words, "12路上行" → "Bus 12 towards 东桥" (terminus: the line's last
// station; the direction is left out without one), "无轨电车1路" → "Trolleybus 1", "地铁1号线" →
// "Metro 1", "12路支线2" → "Bus 12 branch 2"; a route name with an English name in english
// reads as that, "空港線上行" → "Kuko Line towards 姪浜"; any other text of the name stays as
// stored.
std::string displayLineName(std::string_view lnna, Language language,
                            std::string_view terminus = {},
                            const EnglishStationNames* english = nullptr);

// What the traveller of an English interface types for a line, as the stored names begin:
// "Bus 12" → "12路", "Metro 1" → "地铁1号线", "Trolleybus 1" → "无轨电车1", "12 branch" →
// "12路支线"; a text that begins with no such word ("12", "夜1") is returned as typed.
std::string storedLineRequest(std::string_view typed);

}  // namespace busquery
