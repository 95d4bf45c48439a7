// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/main_window/window_writer.h"

#include <cstddef>
#include <string>

namespace velmorant {

void WindowWriter::Changed(const void* control) const {
    if (!hooks_.ControlChanged) {
        return;
    }
    if (const ControlEntry* entry = FindControlEntry(controls_, control)) {
        hooks_.ControlChanged(entry->Name);
    }
}

void WindowWriter::PutText(TextBox& box, std::string_view text) {
    if (box.Text == text) {
        return;
    }
    box.Text = text;
    Changed(&box);
    if (textChanged_) {
        textChanged_(box);
    }
}

void WindowWriter::PutComboText(ComboBox& box, std::string_view text) {
    int index = -1;
    for (std::size_t i = 0; i < box.Items.size(); ++i) {
        if (box.Items[i] == text) {
            index = static_cast<int>(i);
            break;
        }
    }
    if (box.Text == text && box.SelectedIndex == index) {
        return;
    }
    box.Text = text;
    box.SelectedIndex = index;
    Changed(&box);
}

void WindowWriter::SelectItem(ComboBox& box, int index) {
    if (index < -1 || index >= static_cast<int>(box.Items.size())) {
        return;
    }
    const std::string text = index < 0 ? std::string() : box.Items[static_cast<std::size_t>(index)];
    if (box.SelectedIndex == index && box.Text == text) {
        return;
    }
    box.SelectedIndex = index;
    box.Text = text;
    Changed(&box);
}

void WindowWriter::SetCheck(CheckBox& box, bool checked) {
    if (box.Checked != checked) {
        box.Checked = checked;
        Changed(&box);
    }
}

void WindowWriter::SetCaption(Label& label, std::string_view caption) {
    if (label.Caption != caption) {
        label.Caption = caption;
        Changed(&label);
    }
}

void WindowWriter::SetCaption(Button& button, std::string_view caption) {
    if (button.Caption != caption) {
        button.Caption = caption;
        Changed(&button);
    }
}

}  // namespace velmorant
