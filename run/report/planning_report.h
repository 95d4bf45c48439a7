// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/planning/planning_output.h"
#include "run/report/fixed_object_report.h"
#include "run/report/moon_report.h"
#include "run/report/report_pager.h"

namespace velmorant {

// The paged planning report: the Moon report or the fixed-object report, one page count.
class PlanningReport : public PlanningOutput {
  public:
    PlanningReport(const RunParameters& params, ReportSink& sink)
        : pager_(sink, params.OutputLines), moon_(params, pager_), fixed_(params, pager_) {}

    void StartMoonDay(const MoonReportDay& day) override { moon_.StartDay(day); }
    bool WriteMoonInstant(const MoonReportInstant& instant) override {
        return moon_.WriteInstant(instant);
    }
    void EndMoonDay() override { moon_.EndDay(); }
    void StartFixedDay(const FixedObjectReportDay& day) override { fixed_.StartDay(day); }
    bool WriteFixedInstant(const FixedObjectReportInstant& instant) override {
        return fixed_.WriteInstant(instant);
    }
    void EndFixedDay() override { fixed_.EndDay(); }

  private:
    ReportPager pager_;
    MoonReport moon_;
    FixedObjectReport fixed_;
};

}  // namespace velmorant
