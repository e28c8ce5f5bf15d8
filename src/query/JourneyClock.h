#pragma once

#include <optional>
#include <string>

#include "query/Language.h"
#include "route/TimedJourney.h"

namespace busquery {

// The day of a calendar date, or nothing for a date that does not exist.
std::optional<ServiceDay> dayOfDate(int year, unsigned month, unsigned day);

// "2026-01-08"
std::string dateText(ServiceDay day);
// "2026-01-08T08:03"
std::string dateTimeText(JourneyMinute minute);
// "08:03" for a minute of the given day; one of another day says which: "次日00:40",
// "前日23:50", or the date before the time for days further off.
std::string clockText(JourneyMinute minute, ServiceDay day, Language language = Language::Chinese);

}  // namespace busquery
