// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Small numeric routines every calculation goes through: the day-number time scale, weekday
// names, the display rounding rules and the full-quadrant arc tangent.
//
// Conventions: Int(x) is the floor (also for negative x), Fix(x) truncates toward zero.
// "Single" values are computed in double and rounded to float when stored.

namespace velmorant {

// Floor, as the engine's Int.
double Int(double x);
// Truncation toward zero, as the engine's Fix.
double Fix(double x);
// -1, 0 or +1.
int Sgn(double x);

// Rounds to the nearest 16-bit integer, ties to even, as a store into a 16-bit field does.
// Empty when the value does not fit in -32768..32767 (or is not a number).
std::optional<std::int16_t> ToInteger16(double x);

// Day count of a calendar date at 0h UT: 0 is Julian Date 2397547.5, 1950-01-01 is 35735,
// 2000-01-01 is 53997. year: full year (the caller keeps it within 16 bits); month 1..12;
// day 1..31. Every fourth year is a leap year, which is exact from 1900-03-01 to 2100-02-28;
// the formula is used unchanged outside that span (one day off per skipped century leap day).
// Exact whole numbers, returned as a Single.
float DayNumber(int year, int month, int day);

// "SUNDAY" ... "SATURDAY" for an integer-valued day number; day number 0 is a Sunday.
// The weekday index (n + 1) - 7 Int(n / 7) is rounded to a 16-bit integer half to even, so a
// fractional day number may name the next day; an index outside 1..7 gives "SUNDAY".
std::string_view DayOfWeekName(double dayNumber);

// The fractional part of a number of revolutions (also for negative counts: -0.75 gives a
// quarter turn), as radians in [0, TwoPi).
double RevolutionsToRadians(double revolutions);

// Degrees rounded to 0.1, half toward positive infinity (-1.25 becomes -1.2), from radians:
// Int(a * (360 / TwoPi) * 10 + 0.5) / 10 in double, stored as a Single. Every displayed
// angle passes through this; the float is exact only to Single precision.
float RoundedDegrees(double radians);

// Int(v * stepsPerUnit + 0.5) / stepsPerUnit in double (half toward positive infinity:
// 2.25 gives 2.3, -2.25 gives -2.2). stepsPerUnit: 10, 100, 1000, ...
double RoundToStep(double value, int stepsPerUnit);

// Decimal logarithm as Log(v) / Log(10) with natural logarithms (not std::log10, whose last
// bit may differ). value > 0.
double Log10(double value);

// Direction angle of the point (x, y) in radians, in (-Pi, Pi], with the program's Pi:
// Atn(y / x) - Sgn(y) * Pi * Fix(Sgn(x) - 0.5). On the axes: y = 0 and x < 0 gives Pi; x = 0
// gives +Pi/2 for y > 0, -Pi/2 for y < 0 and 0 for y = 0 (no division by zero).
// ArcTan2(s, sqrt(1 - s * s)) serves as the arc sine.
double ArcTan2(double y, double x);

}  // namespace velmorant
