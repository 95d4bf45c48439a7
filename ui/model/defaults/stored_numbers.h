// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// How the window stores numbers it reads from texts into single-precision fields, and how such
// numbers are written back as text. (16-bit stores use ToInteger16.)

namespace velmorant {

// A double stored into a single-precision field; a value beyond the float range becomes an
// infinity of its sign (instead of relying on the conversion's undefined behaviour).
float ToSingle(double value);

// Plain decimal text with "." as the decimal point, whatever the locale: the shortest text that
// reads back as the same float (or double), a whole number without a point, never an exponent.
// Zero (of either sign) and values that are not finite are written as "0".
std::string SingleText(float value);
std::string DoubleText(double value);

}  // namespace velmorant
