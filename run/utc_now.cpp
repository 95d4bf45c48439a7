// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/utc_now.h"

#include <cmath>
#include <cstdio>

#include "core/common/calendar.h"

namespace velmorant {

namespace {

// The hour difference in whole minutes, ties to even (nearbyint in the default rounding mode).
// An absurd value is held to ten days either way so that the arithmetic stays in range.
int OffsetMinutes(float timeDifHours) {
    double offset = std::nearbyint(static_cast<double>(timeDifHours) * 60.0);
    if (!std::isfinite(offset)) {
        offset = 0;
    }
    return static_cast<int>(std::fmax(-14400.0, std::fmin(14400.0, offset)));
}

// The date and minute of the day after moving `minute` (of `date`) into 0..1439.
void RollOver(CalendarDate& date, int& minute) {
    while (minute < 0) {
        date = PreviousDay(date);
        minute += 1440;
    }
    while (minute >= 1440) {
        date = NextDay(date);
        minute -= 1440;
    }
}

}  // namespace

UtcInstant UtcInstantOf(int year, int month, int day, int hour, int minute, int second) {
    UtcInstant utc;
    utc.Year = year;
    utc.Month = month;
    utc.Day = day;
    utc.Hour = hour;
    utc.Minute = minute;
    utc.Second = second;
    utc.UtcHHMM = static_cast<float>(utc.Hour * 100 + utc.Minute);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", utc.Hour, utc.Minute, utc.Second);
    utc.UtcClock = clock;
    return utc;
}

LocalDateTime LocalFromUtc(const UtcInstant& utc, float timeDifHours) {
    CalendarDate date{utc.Year, utc.Month, utc.Day};
    int minute = utc.Hour * 60 + utc.Minute + OffsetMinutes(timeDifHours);
    RollOver(date, minute);
    return LocalDateTime{date.Year, date.Month, date.Day, minute / 60, minute % 60, utc.Second};
}

UtcInstant UtcNow(const LocalDateTime& local, float timeDifHours) {
    CalendarDate date{local.Year, local.Month, local.Day};
    int minute = local.Hour * 60 + local.Minute - OffsetMinutes(timeDifHours);
    RollOver(date, minute);
    return UtcInstantOf(date.Year, date.Month, date.Day, minute / 60, minute % 60, local.Second);
}

}  // namespace velmorant
