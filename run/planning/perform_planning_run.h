// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "run/planning/planning_form.h"
#include "run/planning/planning_run.h"
#include "run/report/report_destination.h"
#include "run/run_message.h"
#include "run/window_inputs.h"

namespace velmorant {

struct PlanningRunResult {
    enum class Kind {
        Completed,       // the report is written and in place: open it in the text editor
        Refused,         // the run did not start, or its report could not be written (the
                         // earlier report is then left as it was): show Message
        OneStationOnly,  // abandoned at the first header, earlier report kept: show Message
        Stopped          // stopped by the operator: the report holds the dates finished so far
    };
    Kind Outcome = Kind::Completed;
    RunMessage Message;
    std::string TextEditor;  // the editor path of the run (with its fallback)
};

// One planning run from the window's contents: gathers the parameters, checks them, reads the
// sky temperatures from `folder`, begins the report (or the rows, in the form asked for) and
// walks the dates. Before this returns the
// new report has either taken the place of the earlier one (completed or stopped) or been
// discarded, leaving the earlier one byte for byte (refused, abandoned, or not written).
PlanningRunResult PerformPlanningRun(const WindowInputs& inputs,
                                     const std::filesystem::path& folder, ReportDestination& report,
                                     const PlanningProgress& progress = {},
                                     PlanningForm form = PlanningForm::Report);

}  // namespace velmorant
