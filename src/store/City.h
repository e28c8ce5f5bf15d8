#pragma once

#include <string_view>

namespace busquery {

// The program's fixed facts about its home city and its publisher, kept in one place.

// The city whose lines a database answers for when it holds them: Velmorina's data sets have
// always carried this code. An imported city carries its own (see NetworkIndex::city).
inline constexpr std::string_view kCityCode = "velmorina";

// The data date of the generated sample city, as its dbdate table holds it.
inline constexpr std::string_view kSampleDataDate = "2009.1.6";

// Night lines are named 夜1 to 夜kNightLines; the line list offers each of them.
inline constexpr int kNightLines = 49;

// The publisher's web site: the banner page and the pages the pictures open.
inline constexpr char kSiteAddress[] = "https://bus.velmorina.example";

}  // namespace busquery
