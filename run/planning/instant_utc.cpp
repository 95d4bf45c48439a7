// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/instant_utc.h"

namespace velmorant {

UtcDateTime InstantUtc(const CalendarDate& date, double dayFraction) {
    double seconds = dayFraction * 86400.0;
    CalendarDate day = date;
    if (seconds >= 86400.0) {
        day = NextDay(date);
        seconds -= 86400.0;
    }
    const int hour = static_cast<int>(seconds / 3600.0);
    const int minute = static_cast<int>((seconds - hour * 3600.0) / 60.0);
    return {day.Year, day.Month, day.Day, hour, minute, seconds - hour * 3600.0 - minute * 60.0};
}

}  // namespace velmorant
