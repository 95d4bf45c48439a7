// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The Gregorian calendar of the dates an operator types and the clock shows: leap years, month
// lengths, stepping a day forward or back, and counting days so that dates can be compared or
// rebuilt. Not the engine's own day number (core/numeric DayNumber), which counts every fourth
// year a leap year.

namespace velmorant {

struct CalendarDate {
    int Year = 0;
    int Month = 0;  // 1 ... 12
    int Day = 0;    // 1 ... 31

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Gregorian leap year: divisible by 4, except the centuries not divisible by 400.
bool IsGregorianLeapYear(int year);

// Days in the month (1 ... 12) of the year: 28 to 31. A month outside 1 ... 12 gets 31.
int DaysInMonth(int year, int month);

// The date one day later / earlier, across month and year ends. The date must exist.
CalendarDate NextDay(const CalendarDate& date);
CalendarDate PreviousDay(const CalendarDate& date);

// Days from 1 January 1970 to the date in the proleptic Gregorian calendar. A month outside
// 1 ... 12 or a day outside its month rolls over into the neighbouring months and years (month
// 13 is January of the next year, day 0 the last day of the previous month). Years are taken
// as written: 99 is the year 99.
std::int64_t DaysSince1970(int year, int month, int day);

// The date that lies the given number of days after 1 January 1970 (before, when negative);
// the inverse of DaysSince1970 for existing dates.
CalendarDate DateFromDaysSince1970(std::int64_t days);

}  // namespace velmorant
