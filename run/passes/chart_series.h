// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/series/degradation.h"
#include "run/passes/mutual_windows.h"
#include "run/run_parameters.h"

// What the chart of a Home/DX pair shows over a run's dates, without any drawing: the Moon's
// elevation at both stations and the degradation at every instant of the run's step grid, the
// Sun's elevation at Home (day and night), the mutual windows of the pair and the elevation
// limits of both rows. The values are the planning walk's, computed by its own routines, and the
// windows are those of the mutual windows pass, so the chart shows what plan and windows print.

namespace velmorant {

// The Sun's elevation (degrees) above which Home has day: its upper limb rising with the
// standard refraction, -0.833 degrees (34 arc minutes of refraction and 16 of semi-diameter,
// the almanacs' sunrise).
inline constexpr double kSunriseElevationDeg = -0.833;

struct ChartSeries {
    // Per instant of the step grid, in grid order (a date's 2400 and the next date's 0000 are
    // both there, at the same moment):
    std::vector<double> Days;                    // UTC, days since 1970-01-01 0h
    std::vector<float> HomeElevationDeg;         // the Moon at Home, topocentric, degrees
    std::vector<float> DxElevationDeg;           // the Moon at DX
    std::vector<float> DegradationDb;            // path degradation, dB
    std::vector<float> SunElevationDeg;          // the Sun at Home, geocentric, degrees
    std::vector<MutualWindow> Windows;           // the pair's windows; Station is always 0
    double FirstDay = 0;                         // the start date at 0h UTC, days since 1970
    double LastDay = 0;                          // the day after the end date at 0h UTC
    double HomeAboveDeg = 0, HomeBelowDeg = 90;  // the rows' elevation limits, degrees
    double DxAboveDeg = 0, DxBelowDeg = 90;
    std::string HomeName, DxName;  // callsign, else locator
};

// The series of a Moon run with both stations (params as plan or windows gather them). The
// values are as good as the walk's (see HorizonPosition: about an arc minute with the parallax;
// the Sun's place about an arc minute, without refraction).
ChartSeries ComputeChartSeries(const RunParameters& params,
                               const SkyTemperatureTable& skyTemperatures);

// The grid instant's moment as days since 1970-01-01 0h UTC (2400 is the next date's 0h).
double ChartDayOf(const GridInstant& instant);

}  // namespace velmorant
