// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/planning/moon_instant.h"
#include "run/report/fixed_object_report.h"
#include "run/report/moon_report.h"

// Where the planning walk hands its qualifying instants: the paged report (PlanningReport) or
// the rows of `plan --format csv|json` (PlanningRows).

namespace velmorant {

class PlanningOutput {
  public:
    virtual ~PlanningOutput() = default;

    // A Moon run: a date begins, an instant passed the filters (false when the rest of the date
    // is skipped: the maximum degradation stopped it), the date ends (not after a skip).
    virtual void StartMoonDay(const MoonReportDay& day) = 0;
    virtual bool WriteMoonInstant(const MoonReportInstant& instant) = 0;
    virtual void EndMoonDay() = 0;
    // Every instant of a Moon date's grid, before the filters decide it, with the Home view the
    // walk computed for it (when Home is displayed): for passes that count the whole grid.
    virtual void SeeMoonInstant(const MoonInstantPlace& /*moon*/, const StationView& /*home*/) {}

    // Any other object: the same, but false from WriteFixedInstant abandons the whole run (both
    // stations were selected).
    virtual void StartFixedDay(const FixedObjectReportDay& day) = 0;
    virtual bool WriteFixedInstant(const FixedObjectReportInstant& instant) = 0;
    virtual void EndFixedDay() = 0;
};

}  // namespace velmorant
