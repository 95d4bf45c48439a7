#include "ui/model/date_rules.h"

namespace velmorant {

namespace {

// Floor division for a positive divisor.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Days from 1970-01-01 to the first day of a month 1 ... 12: the year is counted from March so
// that the leap day falls at its end, and the 400-year cycle repeats exactly.
std::int64_t DaysToFirstOfMonth(std::int64_t year, int month) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;  // 0 ... 399
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

int ClampDayToMonth(int month, int day, int year) {
    if (month == 4 || month == 6 || month == 9 || month == 11) {
        return day > 30 ? 30 : day;
    }
    if (month == 2 || month < 1 || month > 12) {
        if (day > 28) {
            int length = 28;
            if (year % 4 == 0) {
                length = 29;
            }
            if (year % 100 == 0) {
                length = 28;
            }
            if (year % 400 == 0) {
                length = 29;
            }
            if (day >= length) {
                day = length;
            }
        }
    }
    return day;
}

std::int64_t CalendarDayCount(int year, int month, int day) {
    const std::int64_t monthsFromYearZero = static_cast<std::int64_t>(year) * 12 + (month - 1);
    const std::int64_t wholeYear = FloorDiv(monthsFromYearZero, 12);
    const int monthOfYear = static_cast<int>(monthsFromYearZero - wholeYear * 12) + 1;
    return DaysToFirstOfMonth(wholeYear, monthOfYear) + (day - 1);
}

}  // namespace velmorant
