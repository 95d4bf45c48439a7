// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The engine's own constants. They are part of the program's numeric contract: the printed
// reports are reproduced character for character, so these exact values are used everywhere.
//
// Naming: constants are kCamelCase with their unit in the name, as everywhere in the project;
// only the program's own Pi, TwoPi and DegToRad (with RadToDeg) keep the names the program has
// always given them.

namespace velmorant {

// The program's value of pi, 2.4e-9 above the true value. Deliberately not M_PI: every angle
// the reports print was computed with this value.
inline constexpr double Pi = 3.141592656;
// Twice Pi, written as its own literal (it is the same double as 2 * Pi).
inline constexpr double TwoPi = 6.283185312;
// Degrees to radians and back, as the run computes them once per run.
inline constexpr double DegToRad = TwoPi / 360.0;
inline constexpr double RadToDeg = 360.0 / TwoPi;

// Earth radius in kilometres used by the Moon distance, the parallax and the station distance.
inline constexpr double kEarthRadiusKm = 6378.16;
// The same radius squared, held as the double product (40680924.985599995 km^2).
inline constexpr double kEarthRadiusSquaredKm2 = kEarthRadiusKm * kEarthRadiusKm;
// Kilometres per degree of great circle: 60 nautical miles of 1.852 km.
inline constexpr double kKmPerDegree = 111.12;

// Day number 0 is this Julian Date (0h UT); the report prints day number + this value.
inline constexpr double kDayNumberJulianDate = 2397547.5;

// Sine and cosine of the fixed obliquity of the ecliptic (about 23.44 degrees; no precession).
inline constexpr double kSinObliquity = 0.397821;
inline constexpr double kCosObliquity = 0.917463;

// Radians of hour angle per hour of sidereal time, as the program uses it (pi/12 is 0.26179939).
inline constexpr double kRadiansPerHour = 0.2617994;

// Arc seconds per revolution.
inline constexpr double kArcsecondsPerRevolution = 1296000.0;

}  // namespace velmorant
