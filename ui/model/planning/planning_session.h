// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/planning/perform_planning_run.h"
#include "ui/model/main_window/window_context.h"
#include "ui/model/main_window/window_ports.h"

// RUN in Planning: the run from the window's contents, the date being computed in the status
// line, STOP taken between dates, and the end of the run (the report opened in the text editor
// or in the program's own viewer, or the message of a refused run).

namespace velmorant {

class PlanningSession {
  public:
    PlanningSession(WindowContext window, const RunServices& run)
        : window_(std::move(window)), run_(run) {}

    // The whole run, inside this call; returns how it ended. STOP (RequestStop, from the
    // window's responsiveness hook) ends it at the next date.
    PlanningRunResult Run();
    // After the window is idle again: opens a finished report (the text editor, else the
    // program's own viewer, else a message naming the file) or shows a refused run's message.
    void Finish(const PlanningRunResult& result);
    // STOP while a run walks its dates.
    void RequestStop() { stopRequested_ = true; }

  private:
    void OpenReport(const std::string& editor);

    WindowContext window_;
    const RunServices& run_;
    bool stopRequested_ = false;
};

}  // namespace velmorant
