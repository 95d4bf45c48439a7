#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Self-test of the reference: the layout functions must reproduce the report
excerpts worked out by hand in tests/data/plan/hand/, and the engine must give
the published reference values of the helpers.  Run: python3 selftest.py"""

import os
import sys

sys.dont_write_bytecode = True          # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from numeric import (PI, TWO_PI, DEG_TO_RAD, f32, day_number, day_of_week_name,  # noqa: E402
                     rounded_degrees, round_to_step, arc_tan2, revolutions_to_radians)
from engine import (sidereal_time, station_distance, polarization_offset,  # noqa: E402
                    lunar_phase_mark)
from params import StationSite  # noqa: E402
from report import (LineWriter, moon_header, moon_line, fixed_header, fixed_line,  # noqa: E402
                    fmt_thousands, fmt_thousands_one_decimal, fmt_two_decimals,
                    fmt_integer_blank_zero, number_item, hhmm_text, dms_text)

HAND = os.path.join(HERE, "..", "..", "tests", "data", "plan", "hand")
failures = []


def check(name, got, want):
    if got != want:
        failures.append("%s: got %r, want %r" % (name, got, want))


def deg(x):
    return x * TWO_PI / 360


def text_of(writer):
    return "".join(line + "\r\n" for line in writer.lines)


def hand(name):
    with open(os.path.join(HAND, name), "rb") as f:
        return f.read().decode("utf-8")


def site(callsign, locator, lat, lon, notes=""):
    s = StationSite()
    s.callsign, s.locator, s.latitude, s.longitude, s.notes = callsign, locator, lat, lon, notes
    return s


def hand_excerpts():
    home = site("DL1ABC", "JN58td", f32(48 + 8 / 60 + 45 / 3600), f32(-(11 + 37 / 60 + 30 / 3600)))
    dx = site("W1XYZ", "FN31pq", 41 + 41 / 60 + 15 / 3600, 72 + 42 / 60 + 30 / 3600)

    w = LineWriter()
    moon_header(w, dict(month=3, day=5, year=2016, day_cursor=day_number(2016, 3, 5),
                        station=dx, home=home, dx=dx, range=377293.4375, units_label="KM",
                        turn_mark="A", days_since_turn=7, semi_diameter=15.835772,
                        dx_distance=6334.3, band="144", both=True))
    check("moon-header-both.txt", text_of(w), hand("moon-header-both.txt"))

    w = LineWriter()
    moon_line(w, dict(utc=1345, phase="NM", letter="E", both=False, az=deg(123.44),
                      el=deg(-1.26), topo_gha=deg(5.04), topo_dec=deg(-17.56),
                      ra=(5 + 57.5 / 60) * TWO_PI / 24, sky_temperature=245.6,
                      degradation=3.449))
    moon_line(w, dict(utc=15, phase="      FM", letter=" ", both=True, home_az=deg(359.96),
                      home_el=deg(0.04), topo_dec=deg(2.36), dx_az=deg(45.0),
                      dx_el=deg(10.57), pol_offset=-45.0, sky_temperature=0.0,
                      degradation=-0.25))
    check("moon-lines.txt", text_of(w), hand("moon-lines.txt"))

    w = LineWriter()
    fixed_header(w, dict(month=12, day=31, year=2016, day_cursor=day_number(2016, 12, 31),
                         station=home, celestial_name="Sun", object_caption="", sun=True))
    fixed_line(w, dict(utc=730, az=deg(127.26), el=deg(0.44), sun=True, dec=deg(-23.04),
                       ra=(18 + 41.5 / 60) * TWO_PI / 24))
    check("sun-header-and-line.txt", text_of(w), hand("sun-header-and-line.txt"))


def reference_values():
    check("DayNumber 2000-01-01", day_number(2000, 1, 1), 53997.0)
    check("DayNumber 1950-01-01", day_number(1950, 1, 1), 35735.0)
    check("leap day span", day_number(2016, 3, 1) - day_number(2016, 2, 28), 2.0)
    check("weekday 53997", day_of_week_name(53997), "SATURDAY")
    check("weekday 0", day_of_week_name(0), "SUNDAY")
    check("RoundedDegrees(Pi/2)", rounded_degrees(0.5 * PI), 90.0)
    check("RoundedDegrees(-0.2499 deg)", rounded_degrees(deg(-0.2499)), f32(-0.2))
    check("RoundToStep(2.25)", round_to_step(2.25, 10), 2.3)
    check("RoundToStep(-2.25)", round_to_step(-2.25, 10), -2.2)
    check("Revolutions 1.25", revolutions_to_radians(1.25), revolutions_to_radians(-0.75))
    check("ArcTan2(1,-1)", round(arc_tan2(1, -1), 7), 2.3561945)
    check("sidereal 2000-01-01", round(sidereal_time(53997, 0.0), 4), 6.6647)
    check("DxDistance km", station_distance(0, 0, 0, deg(90), 0), (10000.8, "KM"))
    check("DxDistance mi", station_distance(0, 0, 0, deg(90), 1), (6000.48, "MI"))
    check("one degree", station_distance(0, 0, deg(1), 0, 0), (111.1, "KM"))
    check("offset 40/-50", polarization_offset(40, -50), -90.0)
    check("offset -44/44", polarization_offset(-44, 44), -88.0)
    check("NM 6.4", lunar_phase_mark(deg(6.4), 0.0), "NM")
    check("none 6.6", lunar_phase_mark(deg(6.6), 0.0), "  ")
    check("FM 173.6", lunar_phase_mark(deg(173.6), 0.0), "      FM")
    check("NM across 0h", lunar_phase_mark(deg(357.5), deg(2.5)), "NM")
    check("range format", fmt_thousands(384400.3), " 384,400")
    check("range tie", fmt_thousands(377292.5), " 377,293")
    check("distance format", fmt_thousands_one_decimal(5432.14), " 5,432.1")
    check("distance format .5", fmt_thousands_one_decimal(0.5), " .5")
    check("distance format 111", fmt_thousands_one_decimal(111.0), " 111.0")
    check("SD format", fmt_two_decimals(15.516), " 15.52")
    check("SD format 15.5", fmt_two_decimals(15.5), " 15.50")
    check("sky 0", fmt_integer_blank_zero(0.4), "")
    check("JD item", number_item(2457450.5), " 2457450.5 ")
    check("hhmm 45", hhmm_text(45), "0045")
    check("hhmm 0", hhmm_text(0), "0000")
    check("dms lat", dms_text(45.5042, "N", "S"), " 45 \u00b0 30' 15\" N")
    check("dms lon", dms_text(123.25, "W", "E"), " 123\u00b0 15' 0 \" W")


if __name__ == "__main__":
    hand_excerpts()
    reference_values()
    if failures:
        print("\n".join(failures))
        sys.exit(1)
    print("selftest: all checks passed")
