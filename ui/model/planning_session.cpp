#include "ui/model/planning_session.h"

#include "run/report/report_file.h"
#include "run/report/report_text.h"

namespace velmorant {

PlanningRunResult::Kind PlanningSession::Run() {
    MainWindowControls& w = window_.Controls;
    WindowWriter& writer = window_.Writer;
    writer.Show(w.cmdRUN, false);
    writer.Show(w.cmdStop, true);

    // The status line shows the date being computed; STOP ends the run at the next date.
    stopRequested_ = false;
    auto progress = [&](int year, int month, int day) {
        writer.PutText(w.txtDateCalc, "Computing " + DateText(year, month, day));
        writer.Show(w.txtDateCalc, true);
        if (run_.KeepResponsive) {
            run_.KeepResponsive();
        }
        return !stopRequested_;
    };
    PlanningRunResult result;
    if (run_.Report == nullptr) {
        result.Outcome = PlanningRunResult::Kind::Refused;
        result.Message = RunMessage{"File Not Created", "There is no place to write the report."};
    } else {
        result =
            PerformPlanningRun(window_.Inputs(), run_.Folder, *run_.Report, progress, run_.Form);
    }

    switch (result.Outcome) {
        case PlanningRunResult::Kind::Completed:
            // The report is closed: show RUN again and open the report in the editor.
            writer.Show(w.cmdRUN, true);
            if (run_.LaunchEditor) {
                run_.LaunchEditor(result.TextEditor, kReportFileName);
            }
            break;
        case PlanningRunResult::Kind::Stopped:
            break;  // the report keeps the dates finished so far; no editor
        case PlanningRunResult::Kind::Refused:
        case PlanningRunResult::Kind::OneStationOnly:
            window_.Messages.ShowMessage(result.Message.Text, result.Message.Title);
            break;
    }
    return result.Outcome;
}

}  // namespace velmorant
