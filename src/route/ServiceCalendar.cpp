#include "route/ServiceCalendar.h"

namespace busquery {

ServiceDayChoice chooseServiceDay(const Timetable& timetable, ServiceDay wanted) {
    if (!timetable.calendarGiven || timetable.dayCount <= 0) return {wanted, false};
    const ServiceDay first = timetable.firstDay;
    const ServiceDay last = timetable.firstDay + timetable.dayCount - 1;
    if (wanted >= first && wanted <= last) return {wanted, false};
    ServiceDay day = wanted < first ? wanted + 7 * ((first - wanted + 6) / 7)
                                    : wanted - 7 * ((wanted - last + 6) / 7);
    // A calendar shorter than a week may not hold that weekday: its nearer end stands in.
    if (day < first || day > last) day = wanted < first ? first : last;
    return {day, true};
}

}  // namespace busquery
