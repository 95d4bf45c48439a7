// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The state of the main window's controls, without any toolkit: what each control holds and
// whether it is shown. Tooltips, fonts and geometry belong to the window's layout file; the
// view copies these values into its widgets whenever the model reports a change.

namespace velmorant {

struct TextBox {
    std::string Text{};
    bool Visible = true;
};

// An editable drop-down list: the operator picks an item or types any text.
struct ComboBox {
    std::vector<std::string> Items{};
    int SelectedIndex = -1;  // 0-based position of the chosen item, -1 when none is chosen
    std::string Text{};      // the displayed text; choosing an item sets it to the item's text
    bool Visible = true;
};

struct CheckBox {
    bool Checked = false;
    bool Visible = true;
};

struct Label {
    std::string Caption{};
    bool Visible = true;
};

struct Button {
    std::string Caption{};
    bool Visible = true;
};

}  // namespace velmorant
