#pragma once

#include "route/Timetable.h"

namespace busquery {

// The day a timed search uses for the day asked: the day itself when the timetable's calendar
// holds it (or has no calendar), else the nearest day inside the calendar on the same weekday,
// so that a timetable past its end still answers as on a typical such day.
struct ServiceDayChoice {
    ServiceDay day = 0;
    bool moved = false;
};

ServiceDayChoice chooseServiceDay(const Timetable& timetable, ServiceDay wanted);

}  // namespace busquery
