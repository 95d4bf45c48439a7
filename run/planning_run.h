#pragma once

#include "core/degradation.h"
#include "run/report_sink.h"
#include "run/run_parameters.h"

// The planning pass of a run: every date from the start to the end date, every instant of each
// date from 0000 to 2400 UTC in steps of the increment, filtered and written to the report.

namespace velmorant {

enum class PlanningEnd {
    Completed,      // every date was walked
    OneStationOnly  // a fixed-object header found both stations selected: the run was abandoned
};

// Walks the dates and instants and writes the report. The parameters must have passed the
// planning checks (an object chosen, a station selected, an increment of at least one minute).
PlanningEnd RunPlanning(const RunParameters& params, const SkyTemperatureTable& skyTemperatures,
                        ReportSink& report);

}  // namespace velmorant
