#pragma once

#include "query/Answer.h"
#include "query/Language.h"
#include "query/LineName.h"
#include "query/ResultPane.h"
#include "query/StationName.h"

namespace busquery {

// Writes what a route search at a time adds to the pane: the journeys by the clock, one
// numbered line each in the words of the plan lines with their times in a colour of their own,
// "第1种方案 08:03出发 08:30到达(共27分钟，换乘1次)：08:03 从 甲 坐D路(往 终点站, 5站) 08:15
// 到 乙 步行约300米(4分钟)到 丙 08:21 坐C8路(往 终点站, 3站) 08:30 到 丁"; before them a note
// when the day searched is not the day asked; for data without a timetable the lines left out.
void writeTimedAnswer(ResultPane& pane, const Answer& answer, Language language,
                      const LineTerminus& terminus, StationNames& names);

// After the lines of a line lookup on a day, one row per line with its departures from its
// first station: "1路 2026-01-08 首站发车：06:05 06:20 … 每10分钟 … 23:40".
void writeLineDepartures(ResultPane& pane, const Answer& answer, Language language,
                         StationNames& names);

}  // namespace busquery
