// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/constants.h"
#include "core/common/numeric.h"

// Bringing angles (and hours) back into one turn with the program's TwoPi. The forms differ in
// which end of the turn they include and in their arithmetic, and each rounds differently: a
// caller uses the form its results have always been computed with.

namespace velmorant {

// [0, TwoPi]: a negative angle gets one turn added, an angle above TwoPi one turn taken off;
// TwoPi itself stays. For angles within one turn of the range.
inline double WrapTwoPiClosed(double radians) {
    if (radians < 0) {
        radians += TwoPi;
    }
    if (radians > TwoPi) {
        radians -= TwoPi;
    }
    return radians;
}

// [0, TwoPi): as WrapTwoPiClosed, but TwoPi itself becomes 0 (also when it is reached by adding
// the turn to a tiny negative angle). For angles within one turn of the range.
inline double WrapTwoPiOpen(double radians) {
    if (radians < 0) {
        radians += TwoPi;
    }
    if (radians >= TwoPi) {
        radians -= TwoPi;
    }
    return radians;
}

// (0, TwoPi]: as WrapTwoPiClosed, but 0 becomes TwoPi (an azimuth due north is written 360
// degrees). For angles within one turn of the range.
inline double WrapTwoPiAboveZero(double radians) {
    if (radians <= 0) {
        radians += TwoPi;
    }
    if (radians > TwoPi) {
        radians -= TwoPi;
    }
    return radians;
}

// Any number of whole periods removed: value - Int(value / period) * period, in [0, period)
// but for the rounding of the product, which can leave the result a hair below 0 or equal to
// period. Used as written for hours (period 24), revolutions (1) and radians (TwoPi).
inline double WrapPeriodByFloor(double value, double period) {
    return value - Int(value / period) * period;
}

}  // namespace velmorant
