#include "run/utc_now.h"

#include <cmath>
#include <cstdio>

namespace velmorant {

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return Lengths[(month - 1 + 12) % 12];
}

}  // namespace

void StepCalendarDay(int& year, int& month, int& day, int step) {
    if (step > 0) {
        if (++day > DaysInMonth(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    } else if (step < 0) {
        if (--day < 1) {
            if (--month < 1) {
                month = 12;
                --year;
            }
            day = DaysInMonth(year, month);
        }
    }
}

UtcInstant UtcNow(const LocalDateTime& local, float timeDifHours) {
    UtcInstant utc;
    utc.Year = local.Year;
    utc.Month = local.Month;
    utc.Day = local.Day;
    // nearbyint rounds ties to even in the default rounding mode. An absurd hour difference is
    // held to ten days either way so that the arithmetic stays in range.
    double offset = std::nearbyint(static_cast<double>(timeDifHours) * 60.0);
    if (!std::isfinite(offset)) {
        offset = 0;
    }
    offset = std::fmax(-14400.0, std::fmin(14400.0, offset));
    int minute = local.Hour * 60 + local.Minute - static_cast<int>(offset);
    while (minute < 0) {
        StepCalendarDay(utc.Year, utc.Month, utc.Day, -1);
        minute += 1440;
    }
    while (minute >= 1440) {
        StepCalendarDay(utc.Year, utc.Month, utc.Day, 1);
        minute -= 1440;
    }
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
