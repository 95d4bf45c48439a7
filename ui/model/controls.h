#pragma once

#include <string>
#include <vector>

// The state of the main window's controls, without any toolkit: what each control holds and
// whether it is shown. Tooltips, fonts and geometry belong to the window's layout file; the
// view copies these values into its widgets whenever the model reports a change.

namespace velmorant {

struct TextBox {
    std::string text{};
    bool visible = true;
};

// An editable drop-down list: the operator picks an item or types any text.
struct ComboBox {
    std::vector<std::string> items{};
    int selectedIndex = -1;  // 0-based position of the chosen item, -1 when none is chosen
    std::string text{};      // the displayed text; choosing an item sets it to the item's text
    bool visible = true;
};

struct CheckBox {
    bool checked = false;
    bool visible = true;
};

struct Label {
    std::string caption{};
    bool visible = true;
};

struct Button {
    std::string caption{};
    bool visible = true;
};

}  // namespace velmorant
