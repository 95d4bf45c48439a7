// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The Sun's position, the way a Moon run samples it during a date, and the new/full-moon mark.

namespace velmorant {

// Sun position, radians: ecliptic longitude, right ascension in [0, TwoPi], declination.
struct SunEquatorial {
    double Longitude = 0;
    double RightAscension = 0;
    double Declination = 0;
};

// Sun at the instant (day number, fraction of the UT day): mean longitude plus a 12-term
// perturbation series in arc seconds, ecliptic latitude 0, fixed obliquity. Pure: the run
// keeps the right ascension at 0h UT itself (see SampledSunRightAscension). Good to about an
// arc minute: the series stops at its 3-arc-second terms, aberration (-20.5 arc seconds) and
// nutation are left out, and the obliquity is fixed at its value near 2000.
SunEquatorial SunPosition(double dayNumber, double dayFraction);

// The Sun's right ascension at a time of the date while the Moon is tracked: the 0h UT value
// (radians) advanced by the mean rate 0.0186625 rad per day times dayFraction ([0, 1]),
// brought back into [0, TwoPi]. The declination stays the 0h value. The true rate runs from
// about 0.9 to 1.1 degrees a day over the year, so by the end of the date the value may be off
// by about 0.2 degree; it only decides the new/full-moon mark.
double SampledSunRightAscension(double sunRightAscensionAt0h, double dayFraction);

// "NM" (right ascensions, radians, less than 6.5 degrees apart), "      FM" (six blanks; more
// than 173.5 degrees apart) or "  " (two blanks). The difference is taken the short way round
// the 0/24 h boundary; declinations play no part. As good as the two right ascensions: near
// the limits the mark may come or go a few minutes early or late.
std::string_view LunarPhaseMark(double moonRightAscension, double sunRightAscension);

}  // namespace velmorant
