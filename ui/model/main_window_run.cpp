// RUN: what the window does around a planning run.

#include "run/planning/perform_planning_run.h"
#include "run/report/report_file.h"
#include "run/report/report_text.h"
#include "ui/model/main_window_model.h"

namespace velmorant {

void MainWindowModel::cmdRUN_Click() {
    SetCaption(cmdRUN, "RUNNING");
    // The end date is brought into line with the start date before anything is read.
    cboDayEnd_Click();
    RealTimeMode = cboOperation.text == "Real-Time" ? 1 : 0;
    if (RealTimeMode == 1) {
        RealTimeRun();
        return;
    }
    Show(cmdRUN, false);
    Show(cmdStop, true);

    // The status line shows the date being computed; STOP ends the run at the next date.
    planningStopRequested_ = false;
    auto progress = [this](int year, int month, int day) {
        PutText(txtDateCalc, "Computing " + DateText(year, month, day));
        Show(txtDateCalc, true);
        if (Run.KeepResponsive) {
            Run.KeepResponsive();
        }
        return !planningStopRequested_;
    };
    PlanningRunResult result;
    if (Run.Report == nullptr) {
        result.Outcome = PlanningRunResult::Kind::Refused;
        result.Message = RunMessage{"File Not Created", "There is no place to write the report."};
    } else {
        result = PerformPlanningRun(Inputs(), Run.Folder, *Run.Report, progress);
    }
    lastPlanningOutcome_ = result.Outcome;

    switch (result.Outcome) {
        case PlanningRunResult::Kind::Completed:
            // The report is closed: show RUN again and open the report in the editor.
            Show(cmdRUN, true);
            if (Run.LaunchEditor) {
                Run.LaunchEditor(result.TextEditor, kReportFileName);
            }
            break;
        case PlanningRunResult::Kind::Stopped:
            break;  // the report keeps the dates finished so far; no editor
        case PlanningRunResult::Kind::Refused:
        case PlanningRunResult::Kind::OneStationOnly:
            messages_.ShowMessage(result.Message.Text, result.Message.Title);
            break;
    }
    SetCaption(cmdRUN, "RUN");
    cmdStop_Click();
    Show(txtDateCalc, false);
}

}  // namespace velmorant
