// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/sun.h"

#include <cmath>

#include "core/common/angles.h"
#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "core/series/moon.h"

namespace velmorant {

namespace {

// Mean motion of the Sun in right ascension, radians per day (about 1.07 degrees).
constexpr double kSunRightAscensionPerDay = 0.0186625;

// Right-ascension differences that earn a mark: 6.5 degrees (new moon) and 173.5 degrees
// (full moon), in radians.
constexpr double kNewMoonLimit = 0.1134464;
constexpr double kFullMoonLimit = 3.028;

// Equation of the centre and planetary perturbations of the Sun's longitude, arc seconds,
// summed in this order.
double SunLongitudeSeries(const FundamentalArgs& a) {
    const double g = a.g;
    double s = 6910 * std::sin(g);
    s += 72 * std::sin(2 * g);
    s -= 17 * a.T * std::sin(g);
    s += -7 * std::cos(g - a.g5);
    s += 6 * std::sin(a.Lm - a.Ls);
    s += 5 * std::sin(4 * g + 3 * a.g5 - 8 * a.g4);
    s += -5 * std::cos(2 * g - 2 * a.g2);
    s += -4 * std::sin(g - a.g2);
    s += 4 * std::cos(4 * g + 3 * a.g5 - 8 * a.g4);
    s += 3 * std::sin(2 * g - 2 * a.g2);
    s += -3 * std::sin(a.g5);
    s += -3 * std::sin(2 * g - 2 * a.g5);
    return s;
}

}  // namespace

SunEquatorial SunPosition(double dayNumber, double dayFraction) {
    const FundamentalArgs a = FundamentalArguments(dayNumber, dayFraction);
    SunEquatorial sun;
    sun.Longitude = a.Ls + SunLongitudeSeries(a) * TwoPi / kArcsecondsPerRevolution;

    // The Sun's ecliptic latitude is taken as 0.
    const double sinL = std::sin(sun.Longitude);
    const double s = sinL * kSinObliquity;
    sun.Declination = ArcTan2(s, std::sqrt(1 - s * s));
    const double cosDec = std::cos(sun.Declination);
    const double x = std::cos(sun.Longitude) / cosDec;
    const double y = sinL * kCosObliquity / cosDec;
    sun.RightAscension = WrapTwoPiClosed(WrapPeriodByFloor(ArcTan2(y, x), TwoPi));
    return sun;
}

double SampledSunRightAscension(double sunRightAscensionAt0h, double dayFraction) {
    // The two ends are tested the other way round here, which gives the same result for every
    // angle: a turn taken off never leaves it below 0, a turn added never above TwoPi.
    return WrapTwoPiClosed(sunRightAscensionAt0h + kSunRightAscensionPerDay * dayFraction);
}

std::string_view LunarPhaseMark(double moonRightAscension, double sunRightAscension) {
    double difference = std::fabs(moonRightAscension - sunRightAscension);
    if (difference > Pi) {
        // Measured the short way round the 0/24 h boundary.
        difference = std::fabs(difference - TwoPi);
    }
    if (difference < kNewMoonLimit) {
        return "NM";
    }
    if (difference > kFullMoonLimit) {
        return "      FM";
    }
    return "  ";
}

}  // namespace velmorant
