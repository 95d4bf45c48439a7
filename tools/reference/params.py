# SPDX-License-Identifier: GPL-3.0-or-later
"""GatherRunParameters: the main window read into one RunParameters record."""

from dataclasses import dataclass, field

from numeric import (PI, TWO_PI, f32, cint16, leading_number, day_number)
from engine import station_distance


class Refused(Exception):
    """A run that does not start: (title, message)."""

    def __init__(self, title, message):
        super().__init__(message)
        self.title = title
        self.message = message


@dataclass
class StationSite:
    callsign: str = ""
    locator: str = ""
    notes: str = ""
    latitude: float = 0.0       # degrees, north positive (Single for Home, Double for DX)
    longitude: float = 0.0      # degrees, WEST positive
    latitude_rad: float = 0.0
    longitude_rad: float = 0.0
    above: float = 0.0          # degrees (Double)
    below: float = 0.0
    above_rad: float = 0.0      # Single
    below_rad: float = 0.0      # Single


@dataclass
class RunParameters:
    max_degradation: float = 0.0
    day_start: int = 0
    month_start: int = 0
    year_start: int = 0
    day_end: int = 0
    month_end: int = 0
    year_end: int = 0
    display_home: int = 0
    display_dx: int = 0
    units: int = 0
    home: StationSite = field(default_factory=StationSite)
    dx: StationSite = field(default_factory=StationSite)
    celestial_index: int = -1
    celestial: int = 0
    celestial_name: str = ""
    object_name: str = ""
    object_ra: float = 0.0
    object_dec: float = 0.0
    object_caption: str = ""
    sun_selected: int = 0
    noise_temperature: float = 0.0
    increment_minutes: int = 0
    output_lines: int = 0
    band: str = ""
    region: int = 0
    az_min: float = 0.0
    az_max: float = 0.0
    az_min_rad: float = 0.0
    az_max_rad: float = 0.0
    gmt_min_text: str = ""
    gmt_max_text: str = ""
    start_day_number: float = 0.0
    end_day_number: float = 0.0
    both_stations: str = "N"
    units_label: str = "KM"
    dx_distance: float = 0.0


def int16_field(value, name):
    try:
        return cint16(value)
    except Exception:
        raise Refused("Input Required", "%s does not fit a 16-bit integer" % name)


def year_of(text, name):
    return int16_field(leading_number(text), name)


def read_station(w, s, single):
    site = StationSite()
    site.callsign = w.text["txtCallsign" + s]
    site.locator = w.text["txtLocator" + s]
    site.notes = w.text["txtNotes" + s]
    lat_sign = 1 if w.combo["cboLatDir" + s].text == "N" else -1
    lon_sign = 1 if w.combo["cboLonDir" + s].text == "W" else -1
    lat = (lat_sign * leading_number(w.text["txtLatDeg" + s])
           + lat_sign * leading_number(w.text["txtLatMin" + s]) / 60
           + lat_sign * leading_number(w.text["txtLatSec" + s]) / 3600)
    lon = (lon_sign * leading_number(w.text["txtLonDeg" + s])
           + lon_sign * leading_number(w.text["txtLonMin" + s]) / 60
           + lon_sign * leading_number(w.text["txtLonSec" + s]) / 3600)
    site.latitude = f32(lat) if single else lat
    site.longitude = f32(lon) if single else lon
    site.above = leading_number(w.text["txtAbove" + s])
    site.below = leading_number(w.text["txtBelow" + s])
    return site


def gather_run_parameters(w):
    """Read the window into a RunParameters record (Planning)."""
    p = RunParameters()
    deg_to_rad = TWO_PI / 360
    p.max_degradation = f32(leading_number(w.text["txtMaxDegradation"]))
    p.month_start = w.combo["cboMonthStart"].index + 1
    p.day_start = w.combo["cboDayStart"].index + 1
    p.year_start = year_of(w.text["txtYearStart"], "Start year")
    p.month_end = w.combo["cboMonthEnd"].index + 1
    p.day_end = w.combo["cboDayEnd"].index + 1
    p.year_end = year_of(w.text["txtYearEnd"], "End year")
    p.display_home = w.check["chkDisplayHome"]
    p.display_dx = w.check["chkDisplayDX"]
    p.units = w.combo["cboUnits"].index
    p.home = read_station(w, "Home", single=True)
    p.dx = read_station(w, "DX", single=False)
    p.celestial_index = w.combo["cboCelestial"].index
    p.object_name = w.text["txtEnterObject"]
    p.noise_temperature = f32(leading_number(w.text["txtNoise"]))
    p.increment_minutes = int16_field(leading_number(w.text["txtIncrementMinutes"]),
                                      "Increment")
    p.output_lines = int16_field(leading_number(w.text["txtOutputLines"]),
                                 "Lines per output page")
    p.band = w.combo["cboBand"].text
    p.celestial = min(p.celestial_index + 1, 2)
    p.celestial_name = w.combo["cboCelestial"].text
    p.az_max = f32(leading_number(w.text["txtAZMAX"]))
    p.az_min = f32(leading_number(w.text["txtAZMIN"]))
    p.az_max_rad = f32(p.az_max * PI / 180)
    p.az_min_rad = f32(p.az_min * PI / 180)
    p.gmt_min_text = w.text["txtGMTMIN"]
    p.gmt_max_text = w.text["txtGMTMAX"]
    p.start_day_number = day_number(p.year_start, p.month_start, p.day_start)
    p.end_day_number = day_number(p.year_end, p.month_end, p.day_end)
    # Region from the Home longitude (west positive).
    lon = p.home.longitude
    if -80 < lon <= 40:
        p.region = 1
    elif 40 < lon <= 160:
        p.region = 2
    else:
        p.region = 3
    for site in (p.home, p.dx):
        site.latitude_rad = site.latitude * deg_to_rad
        site.longitude_rad = site.longitude * deg_to_rad
    for site in (p.home, p.dx):
        site.below_rad = f32(site.below * deg_to_rad)
        site.above_rad = f32(site.above * deg_to_rad)
    if p.celestial == 2:
        hours_text = w.text["txtCelestialRAhours"]
        minutes_text = w.text["txtCelestialRAminutes"]
        dec_text = w.text["txtCelestialDec"]
        p.object_ra = f32((leading_number(hours_text) + leading_number(minutes_text) / 60)
                          * TWO_PI / 24)
        p.object_dec = f32(leading_number(dec_text) * TWO_PI / 360)
        p.object_caption = hours_text + " H " + minutes_text + " M, " + dec_text + "\u00b0"
        p.sun_selected = 1 if p.celestial_name == "Sun" else 0
        if p.sun_selected:
            p.object_caption = ""
    p.both_stations = "Y" if p.display_home + p.display_dx >= 2 else "N"
    p.dx_distance, p.units_label = station_distance(
        p.home.latitude_rad, p.home.longitude_rad,
        p.dx.latitude_rad, p.dx.longitude_rad, p.units)
    return p
