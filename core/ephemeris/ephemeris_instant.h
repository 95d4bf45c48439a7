// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/series/horizon.h"

// One UTC instant as ERFA's routines see it, and the geocentric Moon and a station at it: what
// the Doppler shift, the libration spread and the Sun-Moon angle share. All in double, in the
// GCRS (the celestial frame of ERFA's Moon), metres and metres per second: TT from UTC with the
// leap seconds (eraDat), the Moon's geocentric position and velocity (eraMoon98), the
// station's from the Earth's rotation (eraPvtob) and the precession and nutation that put both
// in one frame (eraC2i06a).

namespace velmorant {

// A UTC instant as a clock shows it.
struct UtcDateTime {
    int Year = 2000;
    int Month = 1;      // 1..12
    int Day = 1;        // 1..31
    int Hour = 0;       // 0..23
    int Minute = 0;     // 0..59
    double Second = 0;  // seconds, [0, 60); up to 61 within a leap second
};

// The slowly changing part of an instant: the celestial-to-intermediate matrix (precession,
// nutation, frame bias; eraC2i06a), nine tenths of the work of one instant's Doppler. It turns
// by about 1e-11 rad/s, so the frame of one instant serves the instants up to a minute from it:
// the station's velocity then changes by under 1e-6 m/s, the shift by under 0.01 Hz up to
// 1000000 MHz.
struct DopplerFrame {
    double CelestialToIntermediate[3][3] = {};
};

// The instant on ERFA's two-part Julian dates: UTC (taken for UT1) and TT.
struct InstantDates {
    double Epoch = 0;    // the first part of both: the Modified Julian Date zero point
    double UtcDays = 0;  // second part, UTC as MJD with the day's fraction
    double TTDays = 0;   // second part, TT as MJD with the day's fraction
};

// The dates of the UTC instant. TT = UTC + leap seconds (eraDat) + 32.184 s; before 1960, where
// ERFA has no table, the leap seconds count as 0 (TT off by up to half a minute). A day that
// ends in a leap second lasts 86401 s.
InstantDates InstantDatesOf(const UtcDateTime& utc);

// The dates `seconds` later (or earlier, when negative), both scales moved alike.
InstantDates InstantDatesAfter(const InstantDates& dates, double seconds);

// The frame of the instant.
DopplerFrame DopplerFrameOf(const InstantDates& dates);
DopplerFrame DopplerFrameAt(const UtcDateTime& utc);

// A position (m) and velocity (m/s), GCRS.
struct StateVector {
    double Position[3] = {};
    double Velocity[3] = {};
};

// The Moon's geocentric centre at the instant (eraMoon98; no light time).
StateVector GeocentricMoon(const InstantDates& dates);

// A station at sea level (WGS84 ellipsoid, height 0) at the instant, with a frame computed for an
// instant up to a minute away. UT1 is taken as UTC (at most 0.9 s apart) and polar motion as 0;
// the frame's own slow turning (about 1e-11 rad/s) is left out of the velocity (under 0.1 mm/s).
StateVector StationState(const InstantDates& dates, const DopplerFrame& frame,
                         const GeoSite& station);

// The vector from the station to the Moon: position and velocity differences.
StateVector Relative(const StateVector& target, const StateVector& observer);

// |v|, and the rate of change of |r| for a state: r . v / |r|.
double Length(const double v[3]);
double RangeRate(const StateVector& state);

}  // namespace velmorant
