// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calendar.h"

// The calendar rule of the date fields: cutting a typed day back to its month. Dates are
// compared as day counts (DaysSince1970 in core/calendar.h).

namespace velmorant {

// The day cut back to the length of its month (Gregorian leap years). Months 4, 6, 9 and 11
// end at 30; February, and any month outside 1 ... 12, ends at 28 or 29; other months and
// days below 1 are left unchanged.
int ClampDayToMonth(int month, int day, int year);

}  // namespace velmorant
