// RUN and STOP: a planning run (PlanningSession) or a pass of the real-time display
// (RealTimeSession), and the idle window after either.

#include "ui/model/main_window_model.h"

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
    lastPlanningOutcome_ = planning_.Run();
    SetCaption(cmdRUN, "RUN");
    cmdStop_Click();
    Show(txtDateCalc, false);
}

void MainWindowModel::cmdStop_Click() {
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
