// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The Moon's geocentric position from short trigonometric series, and its noon distance with
// the perigee/apogee tracker. Angles in radians; time as (day number, day fraction) in UT.

namespace velmorant {

// Mean arguments of the Moon, Sun and planets for one instant, each in radians in [0, TwoPi),
// plus t (days from J2000.0, no Delta T) and T (Julian centuries from 1900.0).
struct FundamentalArgs {
    double Lm = 0;  // Moon mean longitude
    double l = 0;   // Moon mean anomaly
    double F = 0;   // Moon argument of latitude
    double D = 0;   // Moon mean elongation from the Sun
    double Om = 0;  // longitude of the Moon's ascending node
    double Ls = 0;  // Sun mean longitude
    double g = 0;   // Sun mean anomaly
    double L2 = 0;  // Venus mean longitude
    double g2 = 0;  // Venus mean anomaly
    double g4 = 0;  // Mars mean anomaly
    double g5 = 0;  // Jupiter mean anomaly
    double t = 0;   // days from J2000.0
    double T = 0;   // Julian centuries from 1900.0
};

// Mean arguments for the instant (dayNumber, integer-valued; dayFraction of the UT day in
// [0, 1)): t = (dayNumber - 53997.5) + dayFraction, T = t / 36525 + 1, and each argument
// RevolutionsToRadians(a + b * t) with its epoch value a (revolutions) and daily motion b.
// Linear in t: the omitted secular terms stay below an arc second within this century and
// the next.
FundamentalArgs FundamentalArguments(double dayNumber, double dayFraction);

// Geocentric ecliptic and equatorial position of the Moon, radians. RightAscension in
// [0, TwoPi]; Longitude is not reduced to a range.
struct MoonEquatorial {
    double Longitude = 0;
    double Latitude = 0;
    double RightAscension = 0;
    double Declination = 0;
};

// Geocentric place of the Moon at the instant (day number, fraction of the UT day): the
// longitude (55 terms) and latitude (38 terms) series in arc seconds, turned equatorial with
// the fixed obliquity (sin 0.397821, cos 0.917463), mean equinox of date, no nutation. Good
// to a few arc minutes. Parallax is applied later, to the horizon coordinates only.
MoonEquatorial MoonPosition(double dayNumber, double dayFraction);

// The Moon's distance at 12:00 UT of the current date of a run and the perigee/apogee tracker.
// Starts empty at every run and is advanced once per date by MoonNoonDistance.
struct MoonDistanceState {
    float DistanceKm = 0;            // noon distance of the current date, km (Single)
    float PreviousDistanceKm = 0;    // noon distance of the date processed before (0 at first)
    float EarthRadii = 0;            // the same distance in Earth radii (Single)
    double SemiDiameterArcmin = 0;   // apparent semi-diameter, arc minutes
    std::string TurnMark;            // "P" growing (past perigee), "A" shrinking, "" before any
    std::int16_t DaysSinceTurn = 0;  // dates since TurnMark last changed, the change date is 1
};

// Advances the state to the date with this day number (integer-valued): the previous distance
// takes the current one, then the distance at 12:00 UT of the date is evaluated from the
// 29-term cosine series in Earth radii. Its first partial sum (constant and 11 terms) is
// accumulated in double and stored as a Single; EarthRadii = Single(first + second + third),
// DistanceKm = Single(EarthRadii * 6378.16), SemiDiameterArcmin = 936.74867 / EarthRadii.
// Tracker: a distance not smaller than the previous one marks "P", a smaller one "A"; a change
// of mark restarts DaysSinceTurn, which then counts this date as 1. The first date of a run
// (previous distance 0) is always "P". The series stops at terms of 0.0011 Earth radii (7 km),
// so the distance is good to a few tens of kilometres (about 0.01 dB of path loss); the Single
// stores add less than 0.05 km.
void MoonNoonDistance(MoonDistanceState& state, double dayNumber);

// The Moon's geocentric distance in km at any instant (day number, fraction of the UT day in
// [0, 1)): the same 29-term series as MoonNoonDistance, summed in double. Good to a few tens of
// kilometres; at a fraction of 0.5 it differs from the noon distance by the Single stores only.
double MoonDistanceKm(double dayNumber, double dayFraction);

}  // namespace velmorant
