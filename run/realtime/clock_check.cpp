// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/clock_check.h"

#include <cmath>
#include <cstdio>

namespace velmorant {

namespace {

// Hours of a whole number of minutes, with up to two decimals and no trailing zeros.
std::string HoursText(long long minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(minutes) / 60.0);
    std::string hours(text);
    hours.erase(hours.find_last_not_of('0') + 1);
    if (hours.back() == '.') {
        hours.pop_back();
    }
    return hours == "-0" ? "0" : hours;
}

}  // namespace

std::string ClockCheckText(float typedTimeDifHours, std::optional<int> systemOffsetMinutes) {
    if (!systemOffsetMinutes) {
        return {};
    }
    const double typed = std::nearbyint(static_cast<double>(typedTimeDifHours) * 60.0);
    // An absurd typed value cannot agree with any time zone; it is held where it prints.
    const long long typedMinutes =
        std::isfinite(typed) ? static_cast<long long>(std::fmax(-1e6, std::fmin(1e6, typed))) : 0;
    if (typedMinutes == *systemOffsetMinutes) {
        return {};
    }
    return "Clock offset " + HoursText(typedMinutes) + " h typed, this computer is " +
           HoursText(*systemOffsetMinutes) + " h";
}

}  // namespace velmorant
