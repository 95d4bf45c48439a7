// SPDX-License-Identifier: GPL-3.0-or-later
// RUN and STOP: a planning run (PlanningSession) or a pass of the real-time display
// (RealTimeSession), and the idle window after either.

#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

void MainWindowModel::cmdRUN_Click() {
    SetCaption(cmdRUN, "RUNNING");
    // The end date is brought into line with the start date before anything is read.
    cboDayEnd_Click();
    RealTimeMode = cboOperation.Text == "Real-Time";
    if (RealTimeMode) {
        realTime_.Pass();
        return;
    }
    const PlanningRunResult result = planning_.Run();
    lastPlanningOutcome_ = result.Outcome;
    SetCaption(cmdRUN, "RUN");
    cmdStop_Click();
    Show(txtDateCalc, false);
    // The report or a refusal only once the window is idle: a message box must not stand in
    // front of a STOP button and a "Computing" line that no longer mean anything.
    planning_.Finish(result);
}

void MainWindowModel::cmdStop_Click() {
    StopRuns();
    // STOP hides itself, and the run hid RUN: without this the focus would fall to the next box
    // in the Tab order, its text selected.
    if (Hooks.MoveFocus) {
        Hooks.MoveFocus("cmdRUN");
    }
}

void MainWindowModel::StopRuns() {
    RealTimeFresh = true;
    RealTimeMode = false;     // the timer stops calling RUN
    planning_.RequestStop();  // a planning run in progress ends at its next date
    realTime_.Stop();         // the rotator stopped, its link closed
    if (Hooks.CloseRunFilesAndHideRealTime) {
        Hooks.CloseRunFilesAndHideRealTime();
    }
    Show(cmdRUN, true);
    Show(cmdStop, false);
    Show(txtDateCalc, false);
    SetCaption(cmdRUN, "RUN");
}

}  // namespace velmorant
