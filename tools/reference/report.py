# SPDX-License-Identifier: GPL-3.0-or-later
"""Text layout of the planning report: the line writer with Tab(n), the format
patterns, the text functions and the header and line layouts of the Moon report
and of the fixed-object report."""

from decimal import Decimal, ROUND_HALF_UP

from numeric import Int, round_to_step, rounded_degrees, day_of_week_name

DEGREE = "\u00b0"
MONTH_ABBREVS = ["JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"]


class LineWriter:
    """Builds report lines from items written back to back."""

    def __init__(self):
        self.lines = []
        self.current = ""

    def column(self):
        """Column (1-based) where the next character goes."""
        return len(self.current) + 1

    def write(self, text):
        self.current += text
        return self

    def tab(self, n):
        """Tab(n): pad to column n; past it, end the line and start the next with n-1 spaces."""
        col = self.column()
        if col < n:
            self.current += " " * (n - col)
        elif col > n:
            self.lines.append(self.current)
            self.current = " " * (n - 1)
        return self

    def end_line(self):
        self.lines.append(self.current)
        self.current = ""


# ---------------------------------------------------------------------------
# Format patterns (the exact binary value rounded half away from zero)
# ---------------------------------------------------------------------------

def _round(x, places):
    q = Decimal(1).scaleb(-places)
    return Decimal(x).quantize(q, rounding=ROUND_HALF_UP)


def _group(digits):
    """Comma between thousands of a string of digits."""
    out = ""
    while len(digits) > 3:
        out = "," + digits[-3:] + out
        digits = digits[:-3]
    return digits + out


def fmt_integer(x):
    """"##", "####": the number rounded to an integer, no padding."""
    return str(int(_round(x, 0)))


def fmt_integer_blank_zero(x):
    """"#####": as "##", but 0 gives an empty text."""
    v = int(_round(x, 0))
    return "" if v == 0 else str(v)


def fmt_thousands(x):
    """" ###,###": a space, the rounded integer with commas between thousands."""
    v = int(_round(x, 0))
    sign = "-" if v < 0 else ""
    digits = str(abs(v))
    return " " + sign + ("" if v == 0 else _group(digits))


def _fixed_no_lead(x, places, grouping):
    """Digits with `places` decimals, no digit before the point when the integer
    part is 0."""
    d = _round(x, places)
    sign = "-" if d < 0 else ""
    s = format(abs(d), "f")
    whole, frac = s.split(".")
    if whole == "0":
        whole = ""
    elif grouping:
        whole = _group(whole)
    return sign + whole + "." + frac


def fmt_thousands_one_decimal(x):
    """" ##,###.#": a space, one decimal, commas, no leading 0."""
    return " " + _fixed_no_lead(x, 1, True)


def fmt_two_decimals(x):
    """" ##.##": a space, two decimals, no leading 0."""
    return " " + _fixed_no_lead(x, 2, False)


def fmt_one_decimal(x):
    """One decimal, leading 0 below 1, commas between thousands."""
    d = _round(x, 1)
    sign = "-" if d < 0 else ""
    whole, frac = format(abs(d), "f").split(".")
    return sign + _group(whole) + "." + frac


def fmt_no_decimal(x):
    """No decimal, commas between thousands."""
    v = int(_round(x, 0))
    sign = "-" if v < 0 else ""
    return sign + _group(str(abs(v)))


def fmt_days(n):
    """"+## DAYS"."""
    return "+" + fmt_integer(n) + " DAYS"


def right(text, width):
    """"@@@", "@@@@@", ...: right-aligned, never cut."""
    return text.rjust(width)


def number_item(x):
    """A number written as an item: sign position, up to 15 significant digits, a
    trailing space."""
    text = "%.15g" % x
    if "e" in text:
        raise ValueError("number item out of the plain range: %r" % x)
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    if x >= 0:
        return " " + text + " "
    return text + " "


def angle_text(radians):
    """An angle in a line: RoundedDegrees with one decimal, right-aligned in 5."""
    return right(fmt_one_decimal(rounded_degrees(radians)), 5)


# ---------------------------------------------------------------------------
# Text functions
# ---------------------------------------------------------------------------

def hhmm_text(utc_hhmm):
    """HhmmText: the instant rounded to one decimal, padded with zeros to 4 characters."""
    r = Int(utc_hhmm * 10 + 0.5) / 10
    text = str(int(r)) if r == int(r) else repr(r)
    if r < 10:
        return "000" + text
    if r < 100:
        return "00" + text
    if r < 1000:
        return "0" + text
    return text


def month_abbrev(month):
    return MONTH_ABBREVS[month - 1]


def _number_text(n):
    """A whole number as text with the leading blank of the sign position."""
    return (" " if n >= 0 else "-") + str(abs(int(n)))


def dms_text(angle, positive_letter, negative_letter):
    """DmsText: degrees, minutes, seconds in a 14-character template, then the
    hemisphere letter."""
    chars = list("    " + DEGREE + "   '   \" ")
    a = abs(angle)
    degrees = Int(a)
    f = a - degrees
    minutes = Int(f * 60 + 0.0083)
    seconds = Int((f * 60 - minutes) * 60 + 0.5)

    def put(text, position):
        for i, ch in enumerate(text):
            if position - 1 + i < len(chars):
                chars[position - 1 + i] = ch

    put(_number_text(degrees)[:4], 1)
    put(_number_text(minutes)[:3], 6)
    put(_number_text(seconds)[:3], 10)
    return "".join(chars) + (positive_letter if angle >= 0 else negative_letter)


def latitude_text(lat):
    return dms_text(lat, "N", "S")


def longitude_text(lon):
    return dms_text(lon, "W", "E")


def ra_hours_minutes(ra):
    """Right ascension split into whole hours and minutes (1.25 s added)."""
    x = ra * 24 / 6.283185312 + 0.000347222
    hours = Int(x)
    minutes = Int((x - hours) * 60)
    return hours, minutes


# ---------------------------------------------------------------------------
# Moon report
# ---------------------------------------------------------------------------

def moon_header(w, hv):
    """The six lines of the Moon day header.

    hv: dict with month, day, year, day_cursor, station (StationSite shown),
    home, dx (StationSite), range (km or mi), units_label, turn_mark,
    days_since_turn, semi_diameter, dx_distance, band, both (bool)."""
    st = hv["station"]
    w.write(month_abbrev(hv["month"])).write(" ").write(fmt_integer(hv["day"]))
    w.write(",").write(fmt_integer(hv["year"]))
    w.tab(15).write(latitude_text(st.latitude))
    w.tab(37).write("MOON POSITION")
    w.tab(61).write("RANGE:  ").write(fmt_thousands(hv["range"])).write(" ").write(hv["units_label"])
    w.end_line()
    w.write(day_of_week_name(hv["day_cursor"]))
    w.tab(15).write(longitude_text(st.longitude))
    w.tab(31).write("(PREPARED BY VELMORANT V3.0)")
    w.tab(61).write(hv["turn_mark"])
    w.tab(63).write(fmt_days(hv["days_since_turn"]))
    w.tab(71).write(fmt_two_decimals(round_to_step(hv["semi_diameter"], 100))).write("'SD")
    w.end_line()
    w.write("JD:").write(number_item(hv["day_cursor"] + 2397547.5))
    if st.notes != "":
        w.write(" ").write(st.callsign).write(" NOTES: ").write(" ").write(st.notes[:51])
    w.end_line()
    home, dx = hv["home"], hv["dx"]
    if hv["both"]:
        w.write("DX:").write(fmt_thousands_one_decimal(hv["dx_distance"])).write(" ")
        w.write(hv["units_label"])
        w.tab(18).write("(").write(dx.callsign).write(" in ").write(dx.locator).write(")")
        w.tab(41).write("(").write(home.callsign).write(" in ").write(home.locator).write(")")
    else:
        w.tab(18).write("(").write(st.callsign).write(" in ").write(st.locator).write(")")
    w.tab(61).write("APPROX")
    w.tab(69).write(fmt_integer(float(hv["band"])) if hv["band"] != "" else "")
    w.tab(74).write("MHZ DB")
    w.end_line()
    if hv["both"]:
        w.write("UTC").tab(8).write("NOTES").tab(17).write("W AZIMUTH").tab(29).write("ELEV")
        w.tab(37).write("DEC").tab(43).write("AZIMUTH").tab(51).write("ELEV").tab(56).write("POL")
        w.tab(61).write("SKY ").write(DEGREE).write("K  DEGRADATION")
        w.end_line()
        w.write("====").tab(7).write("========").tab(17).write("= =======").tab(28).write("======")
        w.tab(36).write("=====").tab(43).write("=======").tab(51).write("====").tab(56).write("===")
        w.tab(61).write("======  ===========")
        w.end_line()
    else:
        w.write("UTC").tab(8).write("NOTES").tab(17).write("W AZIMUTH").tab(29).write("ELEV")
        w.tab(38).write("GHA").tab(46).write("DEC").tab(52).write("RT ASCN")
        w.tab(61).write("SKY ").write(DEGREE).write("K  DEGRADATION")
        w.end_line()
        w.write("====").tab(7).write("========").tab(17).write("= =======").tab(28).write("======")
        w.tab(36).write(" ===== ").tab(45).write("=====").tab(52).write("=======")
        w.tab(61).write("======  ===========")
        w.end_line()


def moon_line(w, lv):
    """One Moon report line.

    lv: dict with utc, phase, letter, both (bool); for both stations home_az,
    home_el, topo_dec, dx_az, dx_el, pol_offset; for one station az, el,
    topo_gha, topo_dec, ra; and sky_temperature, degradation."""
    w.write(hhmm_text(lv["utc"])).tab(7).write(lv["phase"]).tab(17).write(lv["letter"])
    if lv["both"]:
        w.tab(20).write(angle_text(lv["home_az"]))
        w.tab(28).write(angle_text(lv["home_el"]))
        w.tab(36).write(angle_text(lv["topo_dec"]))
        w.write("  ")
        w.tab(44).write(angle_text(lv["dx_az"]))
        w.tab(50).write(angle_text(lv["dx_el"]))
        w.tab(56).write(right(fmt_no_decimal(lv["pol_offset"]), 3))
    else:
        w.tab(20).write(angle_text(lv["az"]))
        w.tab(28).write(angle_text(lv["el"]))
        w.tab(37).write(angle_text(lv["topo_gha"]))
        w.tab(45).write(angle_text(lv["topo_dec"]))
        hours, minutes = ra_hours_minutes(lv["ra"])
        w.tab(52).write(fmt_integer(hours) + "H").write(" ").write(fmt_integer(minutes) + "M")
    w.tab(62).write(fmt_integer_blank_zero(lv["sky_temperature"]))
    w.tab(70).write(right(fmt_one_decimal(round_to_step(lv["degradation"], 10)), 6))
    w.end_line()


# ---------------------------------------------------------------------------
# Fixed-object report
# ---------------------------------------------------------------------------

def fixed_header(w, hv):
    """The six lines of the fixed-object header.

    hv: dict with month, day, year, day_cursor, station (StationSite),
    celestial_name, object_caption, sun (bool)."""
    st = hv["station"]
    w.write(month_abbrev(hv["month"])).write(right(str(hv["day"]), 3)).write(",")
    w.write(right(str(hv["year"]), 5))
    w.tab(25).write("Position of ").write(hv["celestial_name"]).write(" from ").write(st.callsign)
    w.tab(65).write(latitude_text(st.latitude))
    w.end_line()
    w.write(day_of_week_name(hv["day_cursor"]))
    w.tab(30).write(hv["object_caption"])
    w.tab(65).write(longitude_text(st.longitude))
    w.end_line()
    w.write("JD:").write(number_item(hv["day_cursor"] + 2397547.5))
    w.tab(25).write("(Prepared by VELMORANT V3.0)")
    w.tab(68).write("(QTH:").write(st.locator).write(")")
    w.end_line()
    w.end_line()
    if hv["sun"]:
        w.write("UTC").tab(7).write(" AZIMUTH    ELEV  ").write("   DEC    RT ASCN")
        w.end_line()
        w.write("====").tab(7).write(" =======    ====  ").write("  =====   =======")
        w.end_line()
    else:
        w.write("UTC").tab(7).write(" AZIMUTH    ELEV  ")
        w.end_line()
        w.write("====").tab(7).write(" =======    ====  ")
        w.end_line()


def fixed_line(w, lv):
    """One fixed-object line: lv has utc, az, el, sun (bool), and for the Sun dec, ra."""
    w.write(hhmm_text(lv["utc"]))
    w.tab(9).write(angle_text(lv["az"]))
    w.tab(18).write(angle_text(lv["el"]))
    if lv["sun"]:
        w.tab(26).write(angle_text(lv["dec"]))
        hours, minutes = ra_hours_minutes(lv["ra"])
        w.tab(34).write(right(fmt_no_decimal(hours), 2)).write("H ")
        w.write(right(fmt_no_decimal(minutes), 2)).write("M")
    w.end_line()
