#include "ui/model/window_writer.h"

#include <cstddef>
#include <string>

namespace velmorant {

void WindowWriter::Changed(const void* control) const {
    if (!hooks_.ControlChanged) {
        return;
    }
    if (const ControlEntry* entry = FindControlEntry(controls_, control)) {
        hooks_.ControlChanged(entry->name);
    }
}

void WindowWriter::PutText(TextBox& box, std::string_view text) {
    if (box.text == text) {
        return;
    }
    box.text = text;
    Changed(&box);
    if (textChanged_) {
        textChanged_(box);
    }
}

void WindowWriter::PutComboText(ComboBox& box, std::string_view text) {
    int index = -1;
    for (std::size_t i = 0; i < box.items.size(); ++i) {
        if (box.items[i] == text) {
            index = static_cast<int>(i);
            break;
        }
    }
    if (box.text == text && box.selectedIndex == index) {
        return;
    }
    box.text = text;
    box.selectedIndex = index;
    Changed(&box);
}

void WindowWriter::SelectItem(ComboBox& box, int index) {
    if (index < -1 || index >= static_cast<int>(box.items.size())) {
        return;
    }
    const std::string text = index < 0 ? std::string() : box.items[static_cast<std::size_t>(index)];
    if (box.selectedIndex == index && box.text == text) {
        return;
    }
    box.selectedIndex = index;
    box.text = text;
    Changed(&box);
}

void WindowWriter::SetCheck(CheckBox& box, bool checked) {
    if (box.checked != checked) {
        box.checked = checked;
        Changed(&box);
    }
}

void WindowWriter::SetCaption(Label& label, std::string_view caption) {
    if (label.caption != caption) {
        label.caption = caption;
        Changed(&label);
    }
}

void WindowWriter::SetCaption(Button& button, std::string_view caption) {
    if (button.caption != caption) {
        button.caption = caption;
        Changed(&button);
    }
}

}  // namespace velmorant
