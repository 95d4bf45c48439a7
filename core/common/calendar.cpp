// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/calendar.h"

namespace velmorant {

namespace {

// Floor division for a positive divisor.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The civil-date arithmetic below counts the year from 1 March, so that the leap day falls at
// its end, in eras of 400 years (146097 days) that repeat exactly. Day 719468 of the count is
// 1970-01-01.
constexpr std::int64_t kDaysPerEra = 146097;
constexpr std::int64_t kEraDayOf1970 = 719468;

// Days from 1970-01-01 to the first day of a month 1 ... 12.
std::int64_t DaysToFirstOfMonth(std::int64_t year, int month) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;  // 0 ... 399
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - kEraDayOf1970;
}

}  // namespace

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    switch (month) {
        case 2:
            return IsGregorianLeapYear(year) ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

CalendarDate NextDay(const CalendarDate& date) {
    CalendarDate next = date;
    if (++next.Day > DaysInMonth(next.Year, next.Month)) {
        next.Day = 1;
        if (++next.Month > 12) {
            next.Month = 1;
            ++next.Year;
        }
    }
    return next;
}

CalendarDate PreviousDay(const CalendarDate& date) {
    CalendarDate previous = date;
    if (--previous.Day < 1) {
        if (--previous.Month < 1) {
            previous.Month = 12;
            --previous.Year;
        }
        previous.Day = DaysInMonth(previous.Year, previous.Month);
    }
    return previous;
}

std::int64_t DaysSince1970(int year, int month, int day) {
    const std::int64_t monthsFromYearZero = static_cast<std::int64_t>(year) * 12 + (month - 1);
    const std::int64_t wholeYear = FloorDiv(monthsFromYearZero, 12);
    const int monthOfYear = static_cast<int>(monthsFromYearZero - wholeYear * 12) + 1;
    return DaysToFirstOfMonth(wholeYear, monthOfYear) + (day - 1);
}

CalendarDate DateFromDaysSince1970(std::int64_t days) {
    const std::int64_t z = days + kEraDayOf1970;
    const std::int64_t era = FloorDiv(z, kDaysPerEra);
    const std::int64_t dayOfEra = z - era * kDaysPerEra;  // 0 ... 146096
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0 ... 399
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;  // 0 ... 11, March is 0
    CalendarDate date;
    date.Day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.Month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.Year = static_cast<int>(yearOfEra + era * 400 + (date.Month <= 2 ? 1 : 0));
    return date;
}

}  // namespace velmorant
