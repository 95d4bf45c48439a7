// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "core/common/calendar.h"
#include "run/planning/planning_output.h"
#include "run/report/moon_line_layout.h"
#include "run/rows/data_rows.h"

// The rows of `velmorant plan --format csv|json`: one row per instant the paged report prints a
// line for (the Moon report's line layout decides, maximum degradation included), with every
// value unrounded and its unit in the column's name. Moon rows also carry the Doppler shifts at
// the band's frequency (core/doppler), the libration spreads, the echo Doppler's rate and delay
// (core/moon_echo) and the Sun-Moon angle from Home (core/sun_moon_angle), which the paged report
// has no room for.

namespace velmorant {

class PlanningRows : public PlanningOutput {
  public:
    PlanningRows(const RunParameters& params, ReportSink& sink, DataFormat format);

    void StartMoonDay(const MoonReportDay& day) override;
    bool WriteMoonInstant(const MoonReportInstant& instant) override;
    void EndMoonDay() override { layout_.EndDay(); }
    void StartFixedDay(const FixedObjectReportDay& day) override;
    bool WriteFixedInstant(const FixedObjectReportInstant& instant) override;
    void EndFixedDay() override {}

    // Closes the table (the JSON array); call once after the walk.
    void Finish() { rows_.Finish(); }

  private:
    const RunParameters& params_;
    MoonLineLayout layout_;
    DataRows rows_;
    std::string date_;  // YYYY-MM-DD of the date walked
    CalendarDate day_;  // the date walked, for the instant's UTC
};

// The column names for a run with these parameters, in order.
std::vector<std::string> PlanningColumns(const RunParameters& params);

}  // namespace velmorant
