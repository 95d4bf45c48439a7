// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/series/horizon.h"
#include "core/series/moon.h"
#include "run/run_parameters.h"

// One Moon instant of a planning run as every station sees it, and the station filters the
// planning walk applies to it. The walk and the mutual windows decide an instant with these same
// routines, so that a window's edges are exactly the report's.

namespace velmorant {

// The Moon at one instant of the grid: what does not depend on the station.
struct MoonInstantPlace {
    float UtcHHMM = 0;              // hhmm
    float DayFraction = 0;          // fraction of the UT day, Single
    EquatorialPlace Place;          // geocentric right ascension and declination, radians
    double SiderealHours = 0;       // Greenwich sidereal time, hours
    double GreenwichHourAngle = 0;  // of the Moon, radians
    double DistanceKm = 0;          // the date's noon distance: the parallax distance
    double SunRightAscension = 0;   // radians, for the phase mark
};

// The Moon's place at the instant (day number and hhmm of the grid); `distance` holds the
// date's noon distance and sunRightAscensionAt0h the Sun's right ascension at 0h UT of the date.
MoonInstantPlace MoonInstantAt(float dayCursor, float utcHHMM, const MoonDistanceState& distance,
                               double sunRightAscensionAt0h);

// The Home station's horizon position and polarization angle into `home`, then its filters in
// the walk's order: the typed time window (low and high hhmm, Single), the azimuth window, the
// elevation window. `home` keeps its last values when the Moon stands in the zenith.
bool HomeFiltersPass(StationView& home, const RunParameters& params, const MoonInstantPlace& moon,
                     float gmtLow, float gmtHigh);

// The DX station's horizon position and polarization angle into `dx`, then its elevation window
// (no time or azimuth window applies to DX). `dx` keeps its last values in the zenith.
bool DxFiltersPass(StationView& dx, const StationSite& site, const MoonInstantPlace& moon);
// DxFiltersPass without the polarization angle, which no filter reads, for a DX station worked
// out once (HorizonStationOf its place) with the DX row's elevation limits (`limits`): the same
// decision, azimuth and elevation, for the passes that need no more (the mutual windows).
bool DxElevationPass(StationView& dx, const HorizonStation& station, const StationSite& limits,
                     const MoonInstantPlace& moon);

}  // namespace velmorant
