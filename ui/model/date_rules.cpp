// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/date_rules.h"

namespace velmorant {

int ClampDayToMonth(int month, int day, int year) {
    const int length = DaysInMonth(year, month >= 1 && month <= 12 ? month : 2);
    // The months of 31 days keep the day as typed: the day list never offers more than 31.
    if (length < 31 && day > length) {
        return length;
    }
    return day;
}

}  // namespace velmorant
