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

// Day count of a calendar date: 0 is Julian Date 2397547.5 (0h UT); 2000-01-01 is 53997.
// year: full year; month 1..12; day 1..31. Every fourth year is a leap year (exact from
// 1900-03-01 to 2100-02-28), the formula is used unchanged for all dates. Returned as a Single.
float DayNumber(int year, int month, int day);

// "SUNDAY" ... "SATURDAY" for an integer-valued day number; day number 0 is a Sunday.
std::string_view DayOfWeekName(double dayNumber);

// The fractional part of a number of revolutions, as radians in [0, TwoPi).
double RevolutionsToRadians(double revolutions);

// Degrees rounded half up to 0.1, from radians: Int(a * 360/TwoPi * 10 + 0.5) / 10, stored as
// a Single. Every displayed angle passes through this.
float RoundedDegrees(double radians);

// Int(v * stepsPerUnit + 0.5) / stepsPerUnit in double (half toward positive infinity).
double RoundToStep(double value, int stepsPerUnit);

// Decimal logarithm as Log(v) / Log(10).
double Log10(double value);

// Direction angle of the point (x, y) in radians, (-Pi, Pi], built from the principal arc
// tangent with the program's Pi. For x = 0 it is +Pi/2 for y > 0, -Pi/2 for y < 0, 0 for y = 0.
double ArcTan2(double y, double x);

}  // namespace velmorant
