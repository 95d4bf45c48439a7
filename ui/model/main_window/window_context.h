// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "run/window_inputs.h"
#include "ui/model/main_window/main_window_controls.h"
#include "ui/model/main_window/window_ports.h"
#include "ui/model/main_window/window_writer.h"

namespace velmorant {

// What every workflow of the main window works with: the controls, the writer that changes
// them (and tells the view), the message boxes, the host's hooks and the way to end the program.
struct WindowContext {
    MainWindowControls& Controls;
    WindowWriter& Writer;
    MessagePresenter& Messages;
    const WindowHooks& Hooks;
    std::function<void()> RequestEnd;
    std::function<bool()> EndRequested;
    // Runs the choose handler of a control (a list's item chosen, a box checked), as the window
    // does when the operator makes that choice.
    std::function<void(const void* control)> Choose;
    // The window's contents as a run reads them.
    std::function<WindowInputs()> Inputs;
    // STOP: the idle window, every run ended.
    std::function<void()> Stop;
};

// One of the program's own files (CALL3.TXT, VELMORANT.DAT, QVHELP.PDF) is missing: the message
// that says so, and then the end of the program, since the installation is incomplete.
void ShowMissingFileAndEnd(const WindowContext& window);

}  // namespace velmorant
