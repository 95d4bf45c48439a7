// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "core/series/degradation.h"
#include "run/planning/planning_output.h"
#include "run/report/report_sink.h"
#include "run/run_parameters.h"

// The planning pass of a run: every date from the start to the end date, every instant of each
// date from 0000 to 2400 UTC in steps of the increment, filtered and written to the report.

namespace velmorant {

enum class PlanningEnd {
    Completed,       // every date was walked
    OneStationOnly,  // a fixed-object header found both stations selected: the run was abandoned
    Stopped          // the operator stopped it: the report holds the dates finished so far
};

// Told at the start of each date (year, month, day); returning false stops the run there, before
// that date is computed.
using PlanningProgress = std::function<bool(int year, int month, int day)>;

// Walks the dates and instants and writes the report. The parameters must have passed the
// planning checks (an object chosen, a station selected, an increment of at least one minute).
PlanningEnd RunPlanning(const RunParameters& params, const SkyTemperatureTable& skyTemperatures,
                        ReportSink& report, const PlanningProgress& progress = {});

// The same walk handing the qualifying instants to `output` (the report or its rows).
PlanningEnd RunPlanning(const RunParameters& params, const SkyTemperatureTable& skyTemperatures,
                        PlanningOutput& output, const PlanningProgress& progress = {});

}  // namespace velmorant
