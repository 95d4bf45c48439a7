#include "run/utc_now.h"

#include <cmath>
#include <cstdio>

#include "core/calendar.h"

namespace velmorant {

UtcInstant UtcNow(const LocalDateTime& local, float timeDifHours) {
    CalendarDate date{local.Year, local.Month, local.Day};
    // nearbyint rounds ties to even in the default rounding mode. An absurd hour difference is
    // held to ten days either way so that the arithmetic stays in range.
    double offset = std::nearbyint(static_cast<double>(timeDifHours) * 60.0);
    if (!std::isfinite(offset)) {
        offset = 0;
    }
    offset = std::fmax(-14400.0, std::fmin(14400.0, offset));
    int minute = local.Hour * 60 + local.Minute - static_cast<int>(offset);
    while (minute < 0) {
        date = PreviousDay(date);
        minute += 1440;
    }
    while (minute >= 1440) {
        date = NextDay(date);
        minute -= 1440;
    }
    UtcInstant utc;
    utc.Year = date.Year;
    utc.Month = date.Month;
    utc.Day = date.Day;
    utc.Hour = minute / 60;
    utc.Minute = minute % 60;
    utc.Second = local.Second;
    utc.UtcHHMM = static_cast<float>(utc.Hour * 100 + utc.Minute);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", utc.Hour, utc.Minute, utc.Second);
    utc.UtcClock = clock;
    return utc;
}

}  // namespace velmorant
