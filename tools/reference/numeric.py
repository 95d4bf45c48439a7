# SPDX-License-Identifier: GPL-3.0-or-later
"""Numeric and calendar helpers of the planning run.

Everything here follows the program's own numeric rules:

* the program's own pi (``PI`` = 3.141592656, deliberately not math.pi) and
  ``TWO_PI`` = 6.283185312;
* ``Int`` is the floor (also for negative values), ``Fix`` truncation;
* a *Single* is an IEEE float of 4 bytes: a value called Single is computed in
  double from its inputs and rounded to float when it is stored (``f32``);
* a number stored into a 16-bit integer rounds to nearest, ties to even
  (``cint16``).
"""

import math
import struct

PI = 3.141592656          # the program's pi, 2.4e-9 above the true value
TWO_PI = 6.283185312      # 2 x PI (the same double)
DEG_TO_RAD = TWO_PI / 360.0
RAD_TO_DEG = 360.0 / TWO_PI
EARTH_RADIUS_KM = 6378.16


def f32(x):
    """Round a double to the nearest float32 (a Single store), back as a Python float."""
    return struct.unpack('<f', struct.pack('<f', x))[0]


class Int16Overflow(ValueError):
    """A number does not fit a 16-bit integer field."""


def cint16(x):
    """Store a number into a 16-bit signed integer: nearest, ties to even."""
    r = round(x)                      # Python rounds halves to even
    if r < -32768 or r > 32767:
        raise Int16Overflow(x)
    return int(r)


def Int(x):
    """The largest integer not greater than x (floor), as a float."""
    return float(math.floor(x))


def Fix(x):
    """Truncation toward zero, as a float."""
    return float(math.trunc(x))


def Sgn(x):
    return (x > 0) - (x < 0)


def day_number(year, month, day):
    """DayNumber: days since Julian Day 2397547.5 (0h UT), as a Single.

    367*Y - Int(7*(Y + Int((M+9)/12))/4) + Int(275*M/9) + D - 676534 with exact
    whole-number arithmetic (each division a real division followed by Int).
    """
    y, m, d = int(year), int(month), int(day)
    value = (367 * y - math.floor(7 * (y + math.floor((m + 9) / 12)) / 4)
             + math.floor(275 * m / 9) + d - 676534)
    return f32(float(value))


WEEKDAY_NAMES = ["SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY",
                 "FRIDAY", "SATURDAY"]


def day_of_week_name(n):
    """DayOfWeekName: day number 0 is a Sunday; values out of 1..7 give SUNDAY."""
    w = (n + 1) - 7 * Int(n / 7.0)
    w = cint16(w)                     # through text and back into an integer
    if 1 <= w <= 7:
        return WEEKDAY_NAMES[w - 1]
    return "SUNDAY"


def revolutions_to_radians(x):
    """Fractional part of a number of revolutions, as radians in [0, TWO_PI)."""
    return (x - Int(x)) * 6.283185312


def rounded_degrees(a):
    """RoundedDegrees: radians to degrees rounded half up to 0.1, stored as a Single."""
    return f32(Int(a * (360 / 6.283185312) * 10 + 0.5) / 10)


def round_to_step(v, n):
    """RoundToStep: Int(v*n + 0.5)/n in double (halves toward +infinity)."""
    return Int(v * n + 0.5) / n


def log10(v):
    return math.log(v) / math.log(10)


def arc_tan2(y, x):
    """ArcTan2: Atn(y/x) - Sgn(y)*Pi*Fix(Sgn(x) - 0.5), the program's full-quadrant
    arc tangent.  With x = 0 the result is +Pi/2 for y > 0, -Pi/2 for y < 0 and
    0 for y = 0.  The negative x axis (y = 0, x < 0) is half a turn, Pi: the formula
    alone would give 0 there and point an object due south to the north."""
    if y == 0 and x < 0:
        return PI
    if x == 0:
        if y > 0:
            return PI / 2
        if y < 0:
            return -PI / 2
        return 0.0
    return math.atan(y / x) - Sgn(y) * PI * Fix(Sgn(x) - 0.5)


def leading_number(text):
    """LeadingNumber: the number at the start of a text, blanks and tabs ignored
    anywhere, "." as decimal point, an optional exponent; 0 when there is none."""
    s = text.replace(' ', '').replace('\t', '')
    i = 0
    n = len(s)
    out = ''
    if i < n and s[i] in '+-':
        out += s[i]
        i += 1
    digits = 0
    while i < n and s[i].isdigit() and s[i].isascii():
        out += s[i]
        i += 1
        digits += 1
    if i < n and s[i] == '.':
        out += '.'
        i += 1
        while i < n and s[i].isdigit() and s[i].isascii():
            out += s[i]
            i += 1
            digits += 1
    if digits == 0:
        return 0.0
    if i < n and s[i] in 'eE':
        j = i + 1
        exp = 'e'
        if j < n and s[j] in '+-':
            exp += s[j]
            j += 1
        k = j
        while k < n and s[k].isdigit() and s[k].isascii():
            k += 1
        if k > j:
            out += exp + s[j:k]
    return float(out)
