// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/run_parameters.h"

// The Home station's time and azimuth windows of a planning run.

namespace velmorant {

// True when the instant (hhmm, 1345 is 13:45) lies in the typed UTC window, its limits read from
// their texts (RunParameters::GmtWindowLow, GmtWindowHigh): 0000-2400 passes everything; a
// minimum above the maximum is a window across midnight (the maximum itself passes, the minimum
// does not). Compared in single precision.
bool GmtWindowPass(float utcHHMM, float low, float high);

// True when a station's elevation (radians, Single) lies in its elevation window, both limits
// included.
bool ElevationWindowPass(float elevation, const StationSite& site);

// True when the Home azimuth lies in the azimuth window. azimuth, azMin (easternmost) and azMax
// (westernmost) in radians as singles; declination of the object and Home latitude in radians
// decide whether the path culminates north of the zenith, where the window is read the other way.
bool AzimuthWindowPass(float azimuth, float azMin, float azMax, double declination,
                       double homeLatitudeRad);

}  // namespace velmorant
