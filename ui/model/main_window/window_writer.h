// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

#include "ui/model/main_window/main_window_controls.h"
#include "ui/model/main_window/window_ports.h"

// The one way code changes a control of the main window: every change is told to the view (by
// the control's name), and a text put into a box runs the box's change handler, as typing does.

namespace velmorant {

class WindowWriter {
  public:
    // `textChanged` runs the change handler of a box whose text the writer changed.
    WindowWriter(MainWindowControls& controls, const WindowHooks& hooks,
                 std::function<void(const TextBox&)> textChanged)
        : controls_(controls), hooks_(hooks), textChanged_(std::move(textChanged)) {}

    // Puts a text into a box; its change handler runs when the text changes.
    void PutText(TextBox& box, std::string_view text);
    // Sets a combo box's text; an item with exactly that text becomes the chosen one.
    void PutComboText(ComboBox& box, std::string_view text);
    // Makes item `index` the chosen one without running the list's handler; -1 chooses none
    // and clears the text; any other index outside the list changes nothing.
    void SelectItem(ComboBox& box, int index);
    // Check state, captions and visibility; no handler runs.
    void SetCheck(CheckBox& box, bool checked);
    void SetCaption(Label& label, std::string_view caption);
    void SetCaption(Button& button, std::string_view caption);
    template <typename Control>
    void Show(Control& control, bool visible) {
        if (control.Visible != visible) {
            control.Visible = visible;
            Changed(&control);
        }
    }

    // Tells the view that this control (a member of the controls) changed.
    void Changed(const void* control) const;

  private:
    MainWindowControls& controls_;
    const WindowHooks& hooks_;
    std::function<void(const TextBox&)> textChanged_;
};

}  // namespace velmorant
