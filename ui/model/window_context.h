#pragma once

#include <functional>

#include "ui/model/main_window_controls.h"
#include "ui/model/window_ports.h"
#include "ui/model/window_writer.h"

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
};

}  // namespace velmorant
