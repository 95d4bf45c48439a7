// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The number patterns of the report's headers and lines.
//
// They round the exact binary value of a double half away from zero. That is what the report's
// readers compare against, and it differs from printf, which rounds exact ties to even (377292.5
// must become 377,293) and is often fed an already inexact product. The exact decimal expansion
// is built only near a tie; elsewhere the scaled product decides (see report_numbers.cpp).

namespace velmorant {

// "##", "####", "#0H", "#0M": the number rounded to an integer, as many digits as needed, at
// least one ("0" for zero).
std::string FormatWhole(double value);

// "#####": as FormatWhole, but a value that rounds to 0 gives an empty text.
std::string FormatWholeBlankZero(double value);

// " ###,###": a space, then the number rounded to an integer with commas between thousands
// (384400.3 gives " 384,400"; zero gives " 0").
std::string FormatGroupedWhole(double value);

// " ##,###.#": a space, then one decimal with commas between thousands and no digit before the
// point when the integer part is 0 (5432.14 gives " 5,432.1", 0.5 gives " .5", 0 gives " .0").
std::string FormatGroupedOneDecimal(double value);

// " ##.##": a space, then two decimals, no grouping, no digit before the point when the integer
// part is 0 (15.516 gives " 15.52", 0.52 gives " .52", 15.5 gives " 15.50").
std::string FormatTwoDecimals(double value);

// "+## DAYS": the sign, the rounded integer, a space and DAYS (3 gives "+3 DAYS").
std::string FormatDays(double value);

// "One decimal" / "no decimal" angles and values: exactly `decimals` decimals (0 or more), a
// leading 0 below 1 and commas between thousands (123.44 gives "123.4", -1.46 gives "-1.5",
// -44.6 with no decimal gives "-45", 1234.5 gives "1,234.5").
std::string FormatFixed(double value, int decimals);

// The same text without building a string: written into `buffer`, which the returned view
// points into. Every angle of every report line goes through here.
struct NumberText {
    char chars[48];
    std::string Longer;  // holds the rare text that does not fit `chars`
};
std::string_view FormatFixedInto(NumberText& buffer, double value, int decimals);

// A number written as an item of a line (the Julian date): a space when not negative, a minus
// sign otherwise; up to 15 significant digits without grouping, trailing zeros after the point
// dropped, no point for whole numbers, a leading 0 below 1; one trailing space
// (2457450.5 gives " 2457450.5 ").
std::string NumberItem(double value);

}  // namespace velmorant
