// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "core/common/calendar.h"
#include "run/run_parameters.h"

// The step grid of a planning run: every date from the start to the end date, and on each date
// the instants from 0000 to 2400 UTC at the increment. The planning walk and every pass that
// must agree with it instant for instant (the mutual windows) walk this one grid.

namespace velmorant {

struct PlanningDate {
    // Day number of the date, held as a Single as the run always held it (see PlanningDates).
    float DayCursor = 0;
    CalendarDate Date;
};

// The dates of a run, at least the start date: the cursor advances by one day and is then
// rounded to 0.1 day, which removes any drift of the single-precision counter, and the walk ends
// once it lies more than half a day beyond the end date.
std::vector<PlanningDate> PlanningDates(const RunParameters& params);

// The instants of one date as hhmm times (1345 is 13:45), identical on every date: 0000, then
// the increment added in clock arithmetic, and 2400 itself even when the step does not land on
// it (0000, 0007, ..., 2355, 2400 for an increment of 7). incrementMinutes >= 1.
std::vector<float> DayInstants(int incrementMinutes);

// Minutes since 0000 of an instant of the grid written hhmm (2400 is 1440).
int MinutesOfDay(float hhmm);

}  // namespace velmorant
