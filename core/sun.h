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

SunEquatorial SunPosition(double dayNumber, double dayFraction);

// The Sun's right ascension at a time of the date while the Moon is tracked: the 0h UT value
// advanced by 0.0186625 rad per day, brought back into [0, TwoPi].
double SampledSunRightAscension(double sunRightAscensionAt0h, double dayFraction);

// "NM" (right ascensions within 6.5 degrees), "      FM" (beyond 173.5 degrees) or "  ".
std::string_view LunarPhaseMark(double moonRightAscension, double sunRightAscension);

}  // namespace velmorant
