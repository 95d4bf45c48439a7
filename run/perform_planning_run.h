#pragma once

#include <filesystem>
#include <string>

#include "run/planning_run.h"
#include "run/report_destination.h"
#include "run/run_message.h"
#include "run/window_inputs.h"

namespace velmorant {

struct PlanningRunResult {
    enum class Kind {
        Completed,       // the report is written and closed: open it in the text editor
        Refused,         // the run did not start (or its report could not be made): show Message
        OneStationOnly,  // abandoned at the first header: show Message, no editor
        Stopped          // stopped by the operator: the report holds the dates finished so far
    };
    Kind Outcome = Kind::Completed;
    RunMessage Message;
    std::string TextEditor;  // the editor path of the run (with its fallback)
};

// One planning run from the window's contents: gathers the parameters, checks them, reads the
// sky temperatures from `folder`, creates the report and walks the dates. The report is closed
// before this returns, whatever the outcome.
PlanningRunResult PerformPlanningRun(const WindowInputs& inputs,
                                     const std::filesystem::path& folder, ReportDestination& report,
                                     const PlanningProgress& progress = {});

}  // namespace velmorant
