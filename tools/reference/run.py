# SPDX-License-Identifier: GPL-3.0-or-later
"""The planning run: the day loop, the instant loop, the filters, the paging of
the report and the two report forms (Moon and fixed object)."""

import datetime
import os

from numeric import PI, TWO_PI, f32, Int, round_to_step, leading_number
from engine import (MoonDistanceState, StationView, moon_noon_distance, moon_position,
                    sun_position, sun_ra_at, lunar_phase_mark, sidereal_time,
                    greenwich_hour_angle, horizon_position, topocentric_equatorial,
                    polarization_angle, polarization_offset, path_degradation,
                    activity_window_letter, load_sky_temperatures, SkyTableError)
from params import gather_run_parameters, Refused
from report import LineWriter, moon_header, moon_line, fixed_header, fixed_line

BOTH_STATIONS_MESSAGE = ("Positions for Celstial Objects are calculated only for one "
                         "location when in Planning Mode.  Please select one station "
                         "for printout.")


class DaySkipped(Exception):
    """The maximum degradation was exceeded at a header: the rest of the day is skipped."""


class BothStationsRefused(Exception):
    """A fixed-object header with both display boxes checked."""


def minutes_of(x):
    """minutes(x) of an hhmm number."""
    return 60 * Int(x / 100) + (x - 100 * Int(x / 100))


def gmt_window_pass(p, utc):
    """GmtWindowPass: the typed UTC window, compared in single precision."""
    lo = f32(leading_number(p.gmt_min_text))
    hi = f32(leading_number(p.gmt_max_text))
    if lo == 0 and hi == 2400:
        return True
    if lo <= hi:
        return lo <= utc <= hi
    return utc <= hi or utc > lo


def azimuth_window_pass(p, a, dec):
    """AzimuthWindowPass: a is the Single azimuth, dec the object's declination;
    the limits, pi and 2 pi are singles."""
    lo, hi = p.az_min_rad, p.az_max_rad
    pi_s, two_pi_s = f32(PI), f32(TWO_PI)
    if lo == 0 and hi == two_pi_s:
        return True
    if dec >= p.home.latitude_rad:          # culminates north of the zenith
        if lo <= pi_s <= hi:
            return a < lo or a > hi
        if lo <= pi_s and hi <= pi_s:
            return hi < a < lo
        if lo >= pi_s and hi >= pi_s:
            return hi < a < lo
        return False
    if (lo <= pi_s <= hi) or (lo <= pi_s and hi <= pi_s) or (lo >= pi_s and hi >= pi_s):
        return lo < a < hi
    return False


def band_number(band):
    return leading_number(band)


class PlanningRun:
    def __init__(self, window, directory):
        self.window = window
        self.directory = directory
        self.out = LineWriter()

    # -- checks before the run starts ---------------------------------------

    def prepare(self):
        w = self.window
        w.combo["cboOperation"].choose(0)
        self.end_date_check()
        p = gather_run_parameters(w)
        if p.increment_minutes < 1:
            raise Refused("Input Required", "The Increment must be at least 1 minute.")
        if p.display_home != 1 and p.display_dx != 1:
            raise Refused("Display Selection", "Please select a station for display.")
        if p.celestial_index < 0:
            raise Refused("Input Required", "Please choose an object in the object list.")
        try:
            self.table = load_sky_temperatures(os.path.join(self.directory, "QVSKYTEMP.DAT"))
        except SkyTableError as e:
            raise Refused("File Not Found", str(e))
        self.p = p

    def end_date_check(self):
        """cboDayEnd_Click with valid dates: the end day is clamped to its month and
        an end date before the start date moves the end year on (not reached here:
        the command refuses such dates)."""
        pass

    # -- paging --------------------------------------------------------------

    def page_check_pending(self, header):
        """PageCheck for a pending report line or gap empty line: on overflow the
        header opens the new page and the pending line is counted on it."""
        p = self.p
        if p.output_lines > 0 and self.line_count > p.output_lines:
            self.line_count = 0
            header(from_page_check=True)
            self.line_count += 1

    def day_end(self):
        p = self.p
        if self.printed_today:
            self.line_count += 1
            if p.output_lines > 0 and self.line_count > p.output_lines:
                self.line_count = 0         # the empty line ends the page; no header
                self.day_end_overflows += 1
            self.out.end_line()
        self.printed_today = 0

    # -- the run -------------------------------------------------------------

    def run(self):
        p = self.p
        self.line_count = 0
        self.day_end_overflows = 0          # counted for the scenario notes only
        self.printed_today = 0
        self.fixed_lines_since_header = 0
        self.home_view = StationView()
        self.dx_view = StationView()
        self.current_date = datetime.date(p.year_start, p.month_start, p.day_start)
        self.day_cursor = p.start_day_number
        self.moon_state = MoonDistanceState()
        if p.celestial_index == 0:
            self.day_cursor = f32(p.start_day_number - 14)
            for _ in range(13):
                self.day_cursor = f32(self.day_cursor + 1)
                moon_noon_distance(self.moon_state, self.day_cursor)
            self.day_cursor = p.start_day_number
        while True:
            try:
                self.one_day()
            except DaySkipped:
                self.printed_today = 0      # no empty line after a skipped day
            self.day_end()
            self.day_cursor = f32(self.day_cursor + 1)
            self.current_date = self.current_date + datetime.timedelta(days=1)
            self.day_cursor = f32(round_to_step(self.day_cursor, 10))
            if self.day_cursor - p.end_day_number > 0.5:
                break
        return self.out.lines

    def one_day(self):
        p = self.p
        moon = p.celestial_index == 0
        if moon:
            moon_noon_distance(self.moon_state, self.day_cursor)
            _, self.sun_ra0, self.sun_dec0 = sun_position(self.day_cursor, 0.0)
        self.last_line_df = f32(2.0)
        utc = f32(0.0)                      # GmtMin in Planning
        gmt_max = 2400.0
        inc = p.increment_minutes
        threshold = f32(f32(1.5 * inc) / 1440)
        while True:
            d = minutes_of(utc) - minutes_of(gmt_max)
            if d > 0:
                if d < inc:
                    utc = f32(gmt_max)
                else:
                    break
            self.utc = utc
            self.df = f32(Int(utc / 100) / 24 + (utc - 100 * Int(utc / 100)) / 1440)
            if moon:
                self.moon_instant(threshold)
            else:
                self.fixed_instant(threshold)
            H = Int(utc / 100)
            M = utc - 100 * H
            t = 60 * H + M + inc
            utc = f32(round_to_step(100 * Int(t / 60) + (t - 60 * Int(t / 60)), 1000))

    # -- Moon ------------------------------------------------------------------

    def moon_instant(self, threshold):
        p = self.p
        df, dc = self.df, self.day_cursor
        _, _, ra, dec = moon_position(dc, df)
        sun_ra = sun_ra_at(self.sun_ra0, df)
        st = sidereal_time(dc, df)
        gha = greenwich_hour_angle(st, ra)
        dist = self.moon_state.distance_km
        if p.display_home == 1:
            v = self.home_view
            horizon_position(v, p.home.latitude_rad, p.home.longitude_rad, ra, dec, gha, True, dist)
            v.polarization_angle = polarization_angle(v.azimuth_single, v.elevation_single,
                                                      p.home.latitude_rad)
            if not gmt_window_pass(p, self.utc):
                return
            if not azimuth_window_pass(p, v.azimuth_single, dec):
                return
            if not v.elevation_single >= p.home.above_rad:
                return
            if not v.elevation_single <= p.home.below_rad:
                return
        if p.display_dx == 1:
            v = self.dx_view
            horizon_position(v, p.dx.latitude_rad, p.dx.longitude_rad, ra, dec, gha, True, dist)
            v.polarization_angle = polarization_angle(v.azimuth_single, v.elevation_single,
                                                      p.dx.latitude_rad)
            if not v.elevation_single >= p.dx.above_rad:
                return
            if not v.elevation_single <= p.dx.below_rad:
                return
        offset = polarization_offset(self.home_view.polarization_angle,
                                     self.dx_view.polarization_angle)
        ra_hours = ra / TWO_PI * 24 + 0.000347222
        degradation, sky = path_degradation(self.moon_state, df, ra_hours, band_number(p.band),
                                            p.noise_temperature, self.table)
        letter = activity_window_letter(p.region, gha, dec) if dec >= 0 else " "
        phase = lunar_phase_mark(ra, sun_ra)

        def header(from_page_check=False):
            if p.max_degradation != 0 and degradation > p.max_degradation:
                raise DaySkipped()
            self.printed_today = 1
            self.line_count += 6
            if (not from_page_check and p.output_lines > 0
                    and self.line_count > p.output_lines):
                self.line_count = 6
            self.write_moon_header()

        if self.last_line_df >= 2:
            header()
        # The report line.
        if f32(df - self.last_line_df) >= threshold:
            self.line_count += 1
            self.page_check_pending(header)
            self.out.end_line()
        self.line_count += 1
        self.page_check_pending(header)
        _, topo_dec, topo_gha = topocentric_equatorial(
            p.home.latitude_rad, ra, gha - p.home.longitude_rad, dec, dist, st)
        lv = dict(utc=self.utc, phase=phase, letter=letter,
                  both=p.both_stations == "Y",
                  sky_temperature=sky, degradation=degradation)
        if lv["both"]:
            lv.update(home_az=self.home_view.azimuth_single,
                      home_el=self.home_view.elevation_single,
                      topo_dec=topo_dec,
                      dx_az=self.dx_view.azimuth_single,
                      dx_el=self.dx_view.elevation_single,
                      pol_offset=offset)
        else:
            v = self.home_view if p.display_home == 1 else self.dx_view
            lv.update(az=v.azimuth_single, el=v.elevation_single, topo_gha=topo_gha,
                      topo_dec=topo_dec, ra=ra)
        moon_line(self.out, lv)
        self.last_line_df = df

    def write_moon_header(self):
        p = self.p
        station = p.home if p.display_home == 1 else None
        if p.display_dx == 1:
            station = p.dx
        s = self.moon_state
        rng = s.distance_km * 3 / 5 if p.units > 0 else s.distance_km
        hv = dict(month=self.current_date.month, day=self.current_date.day,
                  year=self.current_date.year, day_cursor=self.day_cursor,
                  station=station, home=p.home, dx=p.dx, range=rng,
                  units_label=p.units_label, turn_mark=s.turn_mark,
                  days_since_turn=s.days_since_turn,
                  semi_diameter=s.semi_diameter_arcmin, dx_distance=p.dx_distance,
                  band=p.band, both=p.both_stations == "Y")
        moon_header(self.out, hv)

    # -- fixed objects -----------------------------------------------------------

    def fixed_instant(self, threshold):
        p = self.p
        df, dc = self.df, self.day_cursor
        if p.sun_selected:
            _, ra, dec = sun_position(dc, df)
        else:
            ra, dec = p.object_ra, p.object_dec
        st = sidereal_time(dc, df)
        gha = greenwich_hour_angle(st, ra)
        if self.last_line_df >= 2:
            self.fixed_lines_since_header = 0
        if not gmt_window_pass(p, self.utc):
            return
        if p.display_home == 1:
            site, view = p.home, self.home_view
        else:
            site, view = p.dx, self.dx_view
        horizon_position(view, site.latitude_rad, site.longitude_rad, ra, dec, gha, False, 0.0)
        if not azimuth_window_pass(p, view.azimuth_single, dec):
            return
        if view.elevation_single < site.above_rad or view.elevation_single > site.below_rad:
            return

        def header(from_page_check=False):
            self.printed_today = 1
            self.line_count += 6
            if (not from_page_check and p.output_lines > 0
                    and self.line_count > p.output_lines):
                self.line_count = 6
            if self.window.check["chkDisplayHome"] == 1 and self.window.check["chkDisplayDX"] == 1:
                raise BothStationsRefused()
            if from_page_check:
                self.fixed_lines_since_header = 1
            hv = dict(month=self.current_date.month, day=self.current_date.day,
                      year=self.current_date.year, day_cursor=self.day_cursor,
                      station=site, celestial_name=p.celestial_name,
                      object_caption=p.object_caption, sun=p.sun_selected == 1)
            fixed_header(self.out, hv)

        self.fixed_lines_since_header += 1
        if self.fixed_lines_since_header <= 1:
            header()
        if f32(df - self.last_line_df) > threshold:
            self.line_count += 1
            self.page_check_pending(header)
            self.out.end_line()
        self.last_line_df = df
        self.line_count += 1
        self.page_check_pending(header)
        fixed_line(self.out, dict(utc=self.utc, az=view.azimuth_single,
                                  el=view.elevation_single, sun=p.sun_selected == 1,
                                  dec=dec, ra=ra))
