#pragma once

#include <cstdint>

// The calendar rules of the date fields: cutting a day back to its month and counting days so
// that two dates can be compared.

namespace velmorant {

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1 ... 12
    int day = 0;    // 1 ... 31
};

// The day cut back to the length of its month (Gregorian leap years). Months 4, 6, 9 and 11
// end at 30; February, and any month outside 1 ... 12, ends at 28 or 29; other months and
// days below 1 are left unchanged.
int ClampDayToMonth(int month, int day, int year);

// Days from 1 January 1970 to the given date in the proleptic Gregorian calendar. A month
// outside 1 ... 12 or a day outside its month rolls over into the neighbouring months and
// years (month 13 is January of the next year, day 0 the last day of the previous month).
// Years are taken as written: 99 is the year 99.
std::int64_t CalendarDayCount(int year, int month, int day);

}  // namespace velmorant
