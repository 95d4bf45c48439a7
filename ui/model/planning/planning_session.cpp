// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/planning/planning_session.h"

#include "run/report/report_file.h"
#include "run/report/report_text.h"
#include "ui/model/desktop/own_viewer_notes.h"

namespace velmorant {

PlanningRunResult PlanningSession::Run() {
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
    if (run_.Report == nullptr) {
        PlanningRunResult result;
        result.Outcome = PlanningRunResult::Kind::Refused;
        result.Message = RunMessage{"File Not Created", "There is no place to write the report."};
        return result;
    }
    return PerformPlanningRun(window_.Inputs(), run_.Folder, *run_.Report, progress, run_.Form);
}

void PlanningSession::Finish(const PlanningRunResult& result) {
    switch (result.Outcome) {
        case PlanningRunResult::Kind::Completed:
            OpenReport(result.TextEditor);
            break;
        case PlanningRunResult::Kind::Stopped:
            break;  // the report keeps the dates finished so far; no editor
        case PlanningRunResult::Kind::Refused:
        case PlanningRunResult::Kind::OneStationOnly:
            window_.Messages.ShowMessage(result.Message.Text, result.Message.Title);
            break;
    }
}

void PlanningSession::OpenReport(const std::string& editor) {
    if (!run_.LaunchEditor && run_.Viewer == nullptr) {
        return;  // headless: the report file is the result
    }
    if (run_.LaunchEditor && run_.LaunchEditor(editor, std::string(kReportFileName))) {
        return;
    }
    // No terminal and no desktop application needed: the report is always readable.
    const std::filesystem::path report = FullPathOf(run_.Folder, kReportFileName);
    if (run_.Viewer != nullptr &&
        run_.Viewer->ShowReport(report, OwnViewerNote(ProgramRole::TextEditor, editor, report))) {
        return;
    }
    const RunMessage message = FileNotOpenedMessage(ProgramRole::TextEditor, editor, report);
    window_.Messages.ShowMessage(message.Text, message.Title);
}

}  // namespace velmorant
