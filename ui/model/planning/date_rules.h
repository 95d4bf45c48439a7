// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/common/calendar.h"

// The calendar rule of the date fields: cutting a typed day back to its month, and the item a
// text typed into a month or day list names. Dates are compared as day counts (DaysSince1970 in
// core/common/calendar.h).

namespace velmorant {

// The day cut back to the length of its month (Gregorian leap years). Months 4, 6, 9 and 11
// end at 30; February, and any month outside 1 ... 12, ends at 28 or 29; other months and
// days below 1 are left unchanged.
int ClampDayToMonth(int month, int day, int year);

// The 0-based position of the item a text typed into a month or day list names, or -1 when it
// names none. Blanks around the text do not count. A whole number k (leading zeros allowed)
// names item k counted from 1 ("5", " 5" and "05" the day " 5", "3" the month "Mar"); any
// other text names the item it spells, in any case ("mar" is "Mar").
int TypedDateItem(const std::vector<std::string>& items, std::string_view typed);

}  // namespace velmorant
