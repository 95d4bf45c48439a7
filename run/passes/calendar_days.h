// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/common/calendar.h"
#include "core/series/degradation.h"
#include "run/run_parameters.h"

// The EME calendar: one summary a UTC date, made in one planning walk over the run's dates (the
// same grid, filters and line layout as the planning report), so that its figures are the
// report's and the mutual windows' own.

namespace velmorant {

// A picture of the calendar shows at most a year: 53 weeks of cells, some 5,400 pixels high.
inline constexpr int kMostCalendarPictureDays = 366;

struct CalendarDay {
    CalendarDate Date;
    double DistanceKm = 0;       // geocentric, at 00:00 UTC
    double DeclinationDeg = 0;   // geocentric, at 00:00 UTC
    double SunMoonAngleDeg = 0;  // seen from Home, at 00:00 UTC
    // Minutes of the date's grid (0000 to 2400) in runs of consecutive instants at which the
    // Moon stands within Home's elevation limits (a lone instant counts nothing).
    int HomeMinutes = 0;
    // With both stations displayed: the minutes of the mutual windows that start on the date (a
    // window that runs past midnight counts whole on its first date), as the windows pass
    // gives their lengths. Nothing otherwise.
    std::optional<int> WindowMinutes;
    // dB: the lowest degradation among the lines the planning report prints for the date;
    // nothing when it prints none.
    std::optional<float> DegradationMin;
    // "NM" or "FM" when the Moon carries that mark at some instant of the date's grid, else "".
    std::string PhaseMark;
};

// The calendar of params' dates. params must be a Moon run with Home displayed that passed the
// planning checks.
std::vector<CalendarDay> PlanCalendar(const RunParameters& params,
                                      const SkyTemperatureTable& skyTemperatures);

}  // namespace velmorant
