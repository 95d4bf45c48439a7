// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/moon.h"

#include <cmath>

#include "core/common/angles.h"
#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {

namespace {

// J2000.0 (2000-01-01 12h) on the day-number scale.
constexpr double kJ2000DayNumber = 53997.5;
constexpr double kDaysPerJulianCentury = 36525.0;

// Longitude perturbation of the Moon, arc seconds. The terms are summed in this order; the
// four terms in l + 16 Ls - 18 L2 are the Venus inequality, two of them growing with T. One
// series, one term a line: long by nature, and split it would hide the summing order.
double MoonLongitudeSeries(const FundamentalArgs& a) {
    const double l = a.l;
    const double g = a.g;
    const double F = a.F;
    const double D = a.D;
    const double venus = l + 16 * a.Ls - 18 * a.L2;
    double s = 22640 * std::sin(l);
    s += -4586 * std::sin(l - 2 * D);
    s += 2370 * std::sin(2 * D);
    s += 769 * std::sin(2 * l);
    s += -668 * std::sin(g);
    s += -412 * std::sin(2 * F);
    s += -212 * std::sin(2 * l - 2 * D);
    s += -206 * std::sin(l + g - 2 * D);
    s += 192 * std::sin(l + 2 * D);
    s += 165 * std::sin(2 * D - g);
    s += 148 * std::sin(l - g);
    s += -125 * std::sin(D);
    s += -110 * std::sin(l + g);
    s += -55 * std::sin(2 * F - 2 * D);
    s += -45 * std::sin(l + 2 * F);
    s += 40 * std::sin(l - 2 * F);
    s += -38 * std::sin(l - 4 * D);
    s += 36 * std::sin(3 * l);
    s += -31 * std::sin(2 * l - 4 * D);
    s += 28 * std::sin(l - 2 * D - g);
    s += -24 * std::sin(2 * D + g);
    s += 19 * std::sin(l - D);
    s += 18 * std::sin(D + g);
    s += 15 * std::sin(l + 2 * D - g);
    s += 14 * std::sin(2 * l + 2 * D);
    s += 14 * std::sin(4 * D);
    s += -13 * std::sin(3 * l - 2 * D);
    s += -11 * std::sin(venus);
    s += 10 * std::sin(2 * l - g);
    s += 9 * std::sin(l - 2 * D - 2 * F);
    s += 9 * std::cos(venus);
    s += -9 * std::sin(2 * l + g - 2 * D);
    s += -8 * std::sin(l + D);
    s += 8 * std::sin(2 * D - 2 * g);
    s += -8 * std::sin(2 * l + g);
    s += -7 * std::sin(2 * g);
    s += -7 * std::sin(l + 2 * g - 2 * D);
    s += 7 * std::sin(a.Om);
    s += -6 * std::sin(l + 2 * D - 2 * F);
    s += -6 * std::sin(2 * D + 2 * F);
    s += -4 * std::sin(l + g - 4 * D);
    s += 4 * a.T * std::cos(venus);
    s += -4 * std::sin(2 * l + 2 * F);
    s += 4 * a.T * std::sin(venus);
    s += 3 * std::sin(l - 3 * D);
    s += -3 * std::sin(l + 2 * D + g);
    s += -3 * std::sin(2 * l + g - 4 * D);
    s += 3 * std::sin(l - 2 * g);
    s += 3 * std::sin(l - 2 * D - 2 * g);
    s += -2 * std::sin(2 * l - 2 * D - g);
    s += -2 * std::sin(g + 2 * F - 2 * D);
    s += 2 * std::sin(l + 4 * D);
    s += 2 * std::sin(4 * l);
    s += 2 * std::sin(4 * D - g);
    s += 2 * std::sin(2 * l - D);
    return s;
}

// Ecliptic latitude of the Moon, arc seconds, summed in this order.
double MoonLatitudeSeries(const FundamentalArgs& a) {
    const double l = a.l;
    const double g = a.g;
    const double F = a.F;
    const double D = a.D;
    double s = 18461 * std::sin(F);
    s += 1010 * std::sin(l + F);
    s += 1000 * std::sin(l - F);
    s += -624 * std::sin(F - 2 * D);
    s += -199 * std::sin(l - 2 * D - F);
    s += -167 * std::sin(l + F - 2 * D);
    s += 117 * std::sin(2 * D + F);
    s += 62 * std::sin(2 * l + F);
    s += 33 * std::sin(l + 2 * D - F);
    s += 32 * std::sin(2 * l - F);
    s += -30 * std::sin(g + F - 2 * D);
    s += -16 * std::sin(2 * l + F - 2 * D);
    s += 15 * std::sin(l + 2 * D + F);
    s += 12 * std::sin(F - 2 * D - g);
    s += -9 * std::sin(l + g - 2 * D - F);
    s += -8 * std::sin(F + a.Om);
    s += 8 * std::sin(2 * D + F - g);
    s += -7 * std::sin(l + g + F - 2 * D);
    s += 7 * std::sin(l + F - g);
    s += -7 * std::sin(l + F - 4 * D);
    s += -6 * std::sin(g + F);
    s += -6 * std::sin(3 * F);
    s += 6 * std::sin(l - g - F);
    s += -5 * std::sin(D + F);
    s += -5 * std::sin(l + g + F);
    s += -5 * std::sin(l + g - F);
    s += 5 * std::sin(F - g);
    s += 5 * std::sin(F - D);
    s += 4 * std::sin(3 * l + F);
    s += -4 * std::sin(F - 4 * D);
    s += -3 * std::sin(l - 4 * D - F);
    s += 3 * std::sin(l - 3 * F);
    s += -2 * std::sin(2 * l - 4 * D - F);
    s += -2 * std::sin(3 * F - 2 * D);
    s += 2 * std::sin(2 * l + 2 * D - F);
    s += 2 * std::sin(l + 2 * D - g - F);
    s += 2 * std::sin(2 * l - 2 * D - F);
    s += 2 * std::sin(3 * l - F);
    return s;
}

// The constant and the eleven largest terms of the distance in Earth radii. The run keeps
// this part in single precision, so the caller rounds it to float.
double DistanceFirstPartialSum(const FundamentalArgs& a) {
    const double l = a.l;
    const double g = a.g;
    const double D = a.D;
    double r = 60.36298;
    r += -3.27746 * std::cos(l);
    r += -0.57994 * std::cos(l - 2 * D);
    r += -0.46357 * std::cos(2 * D);
    r += -0.08904 * std::cos(2 * l);
    r += 0.03865 * std::cos(2 * l - 2 * D);
    r += -0.03237 * std::cos(2 * D - g);
    r += -0.02688 * std::cos(l + 2 * D);
    r += -0.02358 * std::cos(l + g - 2 * D);
    r += -0.02030 * std::cos(l - g);
    r += 0.01719 * std::cos(D);
    r += 0.01671 * std::cos(l + g);
    return r;
}

double DistanceSecondPartialSum(const FundamentalArgs& a) {
    const double l = a.l;
    const double g = a.g;
    const double F = a.F;
    const double D = a.D;
    double r = 0.01247 * std::cos(l - 2 * F);
    r += 0.00704 * std::cos(g);
    r += 0.00529 * std::cos(2 * D + g);
    r += -0.00524 * std::cos(l - 4 * D);
    r += 0.00398 * std::cos(l - 2 * D - g);
    r += -0.00366 * std::cos(3 * l);
    r += -0.00295 * std::cos(2 * l - 4 * D);
    r += -0.00263 * std::cos(D + g);
    r += 0.00249 * std::cos(3 * l - 2 * D);
    r += -0.00221 * std::cos(l + 2 * D - g);
    return r;
}

double DistanceThirdPartialSum(const FundamentalArgs& a) {
    const double l = a.l;
    const double g = a.g;
    const double F = a.F;
    const double D = a.D;
    double r = 0.00185 * std::cos(2 * F - 2 * D);
    r += -0.00161 * std::cos(2 * D - 2 * g);
    r += 0.00147 * std::cos(l + 2 * F - 2 * D);
    r += -0.00142 * std::cos(4 * D);
    r += 0.00139 * std::cos(2 * l + g - 2 * D);
    r += -0.00118 * std::cos(l + g - 4 * D);
    r += -0.00116 * std::cos(2 * l + 2 * D);
    r += -0.00110 * std::cos(2 * l - g);
    return r;
}

// Apparent semi-diameter in arc minutes times the distance in Earth radii: the Moon's radius,
// 0.2725 Earth radii (1738 km), taken as a small angle in arc minutes.
constexpr double kSemiDiameterTimesEarthRadii = 936.74867;

}  // namespace

FundamentalArgs FundamentalArguments(double dayNumber, double dayFraction) {
    FundamentalArgs a;
    a.t = (dayNumber - kJ2000DayNumber) + dayFraction;
    a.T = a.t / kDaysPerJulianCentury + 1;
    const double t = a.t;
    // Mean elements at J2000.0 in revolutions and their daily motions in revolutions per day.
    a.Lm = RevolutionsToRadians(0.606434 + 0.03660110129 * t);
    a.l = RevolutionsToRadians(0.374897 + 0.03629164709 * t);
    a.F = RevolutionsToRadians(0.259091 + 0.0367481952 * t);
    a.D = RevolutionsToRadians(0.827362 + 0.03386319198 * t);
    a.Om = RevolutionsToRadians(0.347343 + -0.00014709391 * t);
    a.Ls = RevolutionsToRadians(0.779072 + 0.00273790931 * t);
    a.g = RevolutionsToRadians(0.993126 + 0.0027377785 * t);
    a.L2 = RevolutionsToRadians(0.505498 + 0.00445046867 * t);
    a.g2 = RevolutionsToRadians(0.140023 + 0.00445036173 * t);
    a.g4 = RevolutionsToRadians(0.053856 + 0.00145561327 * t);
    a.g5 = RevolutionsToRadians(0.056531 + 0.00023080893 * t);
    return a;
}

MoonEquatorial MoonPosition(double dayNumber, double dayFraction) {
    const FundamentalArgs a = FundamentalArguments(dayNumber, dayFraction);
    MoonEquatorial m;
    m.Longitude = a.Lm + MoonLongitudeSeries(a) * TwoPi / kArcsecondsPerRevolution;
    m.Latitude = MoonLatitudeSeries(a) * TwoPi / kArcsecondsPerRevolution;

    const double cosB = std::cos(m.Latitude);
    const double sinB = std::sin(m.Latitude);
    const double sinL = std::sin(m.Longitude);
    const double cosL = std::cos(m.Longitude);
    const double s = cosB * sinL * kSinObliquity + sinB * kCosObliquity;
    m.Declination = ArcTan2(s, std::sqrt(1 - s * s));
    // cos(declination) cannot vanish: the Moon stays within about 29 degrees of the equator.
    const double cosDec = std::cos(m.Declination);
    const double x = cosB * cosL / cosDec;
    const double y = (cosB * sinL * kCosObliquity - sinB * kSinObliquity) / cosDec;
    m.RightAscension = WrapTwoPiClosed(ArcTan2(y, x));
    return m;
}

void MoonNoonDistance(MoonDistanceState& state, double dayNumber) {
    state.PreviousDistanceKm = state.DistanceKm;
    // Always 12:00 UT: the one distance of the date serves every instant of it.
    const FundamentalArgs a = FundamentalArguments(dayNumber, 0.5);
    const float first = static_cast<float>(DistanceFirstPartialSum(a));
    const double second = DistanceSecondPartialSum(a);
    const double third = DistanceThirdPartialSum(a);
    state.EarthRadii = static_cast<float>(first + second + third);
    state.SemiDiameterArcmin = kSemiDiameterTimesEarthRadii / state.EarthRadii;
    state.DistanceKm = static_cast<float>(state.EarthRadii * kEarthRadiusKm);

    // Equal distances count as growing, so the very first date (previous 0) starts with "P".
    if (state.PreviousDistanceKm <= state.DistanceKm) {
        if (state.TurnMark != "P") {
            state.TurnMark = "P";
            state.DaysSinceTurn = 0;
        }
    } else if (state.TurnMark != "A") {
        state.TurnMark = "A";
        state.DaysSinceTurn = 0;
    }
    ++state.DaysSinceTurn;
}

double MoonDistanceKm(double dayNumber, double dayFraction) {
    const FundamentalArgs a = FundamentalArguments(dayNumber, dayFraction);
    return (DistanceFirstPartialSum(a) + DistanceSecondPartialSum(a) + DistanceThirdPartialSum(a)) *
           kEarthRadiusKm;
}

}  // namespace velmorant
