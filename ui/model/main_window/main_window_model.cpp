// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/main_window/main_window_model.h"

#include <string>

namespace velmorant {

namespace {

std::string Quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

using MutableControl =
    std::variant<std::monostate, TextBox*, ComboBox*, CheckBox*, Label*, Button*>;

MutableControl Lookup(MainWindowControls& controls, std::string_view name) {
    const ControlEntry* entry = FindControlEntry(name);
    if (entry == nullptr) {
        return std::monostate{};
    }
    return std::visit([&](auto pointer) -> MutableControl { return &(controls.*pointer); },
                      entry->Member);
}

}  // namespace

MainWindowModel::MainWindowModel(const Clock& clock, DefaultsStorage& storage,
                                 MessagePresenter& messages)
    : clock_(clock),
      storage_(storage),
      messages_(messages),
      writer_(*this, Hooks, [this](const TextBox& box) { RunChangeHandler(box); }),
      stations_(Context(), Stations, FoundRecordNumber),
      defaults_(Context(), storage_, SavedObjectName),
      planning_(Context(), Run),
      realTime_(Context(), Run, RealTime, clock_,
                RealTimeState{RealTimeFresh, PreviousTopocentricDec}) {}

WindowContext MainWindowModel::Context() {
    return WindowContext{
        *this,
        writer_,
        messages_,
        Hooks,
        [this] { RequestEnd(); },
        [this] { return endRequested_; },
        [this](const void* control) { RunHandler(control, &ControlEntry::Choose); },
        [this] { return Inputs(); },
        [this] { cmdStop_Click(); }};
}

ControlView MainWindowModel::FindControl(std::string_view name) const {
    const ControlEntry* entry = FindControlEntry(name);
    if (entry == nullptr) {
        return std::monostate{};
    }
    const MainWindowControls& controls = *this;
    return std::visit([&](auto pointer) -> ControlView { return &(controls.*pointer); },
                      entry->Member);
}

void MainWindowModel::RequestEnd() {
    endRequested_ = true;
    if (Hooks.EndProgram) {
        Hooks.EndProgram();
    }
}

// --- Handlers by control ---

void MainWindowModel::RunHandler(const void* control, WindowAction ControlEntry::*event) {
    const ControlEntry* entry = FindControlEntry(*this, control);
    if (entry != nullptr && entry->*event != nullptr) {
        (this->*(entry->*event))();
    }
}

void MainWindowModel::RunChangeHandler(const TextBox& box) {
    RunHandler(&box, &ControlEntry::Change);
}

void MainWindowModel::RunClickHandler(const ComboBox& box) {
    RunHandler(&box, &ControlEntry::Choose);
}

void MainWindowModel::RunCheckHandler(const CheckBox& box) {
    RunHandler(&box, &ControlEntry::Choose);
}

// --- Operator actions ---

ActionResult MainWindowModel::TypeText(std::string_view control, std::string_view text) {
    const MutableControl found = Lookup(*this, control);
    if (TextBox* const* box = std::get_if<TextBox*>(&found)) {
        // The operator's edit always reaches the handler, even when it leaves the text as it
        // was (the handlers only correct the text, so running them again changes nothing).
        TextBox& target = **box;
        if (target.Text != text) {
            target.Text = text;
            Changed(&target);
        }
        RunChangeHandler(target);
        return ActionResult::Done();
    }
    if (ComboBox* const* box = std::get_if<ComboBox*>(&found)) {
        ComboBox& target = **box;
        if (target.Text != text || target.SelectedIndex != -1) {
            target.Text = text;
            target.SelectedIndex = -1;
            Changed(&target);
        }
        return ActionResult::Done();
    }
    if (std::holds_alternative<std::monostate>(found)) {
        return ActionResult::Refused("There is no control named " + Quote(control) + ".");
    }
    return ActionResult::Refused(Quote(control) + " does not take typed text.");
}

ActionResult MainWindowModel::ChooseItem(std::string_view control, int index) {
    const MutableControl found = Lookup(*this, control);
    ComboBox* const* box = std::get_if<ComboBox*>(&found);
    if (box == nullptr) {
        return ActionResult::Refused(Quote(control) + " is not a list.");
    }
    ComboBox& target = **box;
    if (index < 0 || index >= static_cast<int>(target.Items.size())) {
        return ActionResult::Refused(Quote(control) + " has no item " + std::to_string(index) +
                                     ".");
    }
    SelectItem(target, index);
    RunClickHandler(target);
    return ActionResult::Done();
}

ActionResult MainWindowModel::EnterText(std::string_view control, std::string_view text) {
    const ControlEntry* entry = FindControlEntry(control);
    const MutableControl found = Lookup(*this, control);
    ComboBox* const* box = std::get_if<ComboBox*>(&found);
    if (entry == nullptr || entry->TypedItem == nullptr || box == nullptr) {
        return TypeText(control, text);
    }
    ComboBox& target = **box;
    if (target.SelectedIndex >= 0 && target.Text == text) {
        return ActionResult::Done();  // the chosen item's own text: nothing was typed
    }
    const int index = entry->TypedItem(target.Items, text);
    if (index < 0) {
        // The box shows the chosen item again.
        Changed(&target);
        return ActionResult::Refused(Quote(text) + " is not an item of " + Quote(control) + ".");
    }
    const ActionResult chosen = ChooseItem(control, index);
    // The box shows the item's own text, also where the item was already the chosen one.
    Changed(&target);
    return chosen;
}

ActionResult MainWindowModel::SetChecked(std::string_view control, bool checked) {
    const MutableControl found = Lookup(*this, control);
    CheckBox* const* box = std::get_if<CheckBox*>(&found);
    if (box == nullptr) {
        return ActionResult::Refused(Quote(control) + " is not a check box.");
    }
    CheckBox& target = **box;
    if (target.Checked != checked) {
        SetCheck(target, checked);
        RunCheckHandler(target);
    }
    return ActionResult::Done();
}

ActionResult MainWindowModel::Click(std::string_view control) {
    const ControlEntry* entry = FindControlEntry(control);
    if (entry == nullptr || entry->Click == nullptr) {
        return ActionResult::Refused(Quote(control) + " has no click action here.");
    }
    (this->*(entry->Click))();
    return ActionResult::Done();
}

ActionResult MainWindowModel::KeyPress(std::string_view control, int& key) {
    const ControlEntry* entry = FindControlEntry(control);
    if (entry == nullptr || entry->Key == nullptr) {
        return ActionResult::Refused(Quote(control) + " has no key handler.");
    }
    (this->*(entry->Key))(key);
    return ActionResult::Done();
}

ActionResult MainWindowModel::ApplySetting(std::string_view control, std::string_view text) {
    const ControlView view = FindControl(control);
    if (std::holds_alternative<std::monostate>(view)) {
        return ActionResult::Refused("There is no control named " + Quote(control) + ".");
    }
    if (const ControlEntry* entry = FindControlEntry(control);
        entry != nullptr && entry->TypedItem != nullptr) {
        return EnterText(control, text);
    }
    if (const auto* box = std::get_if<const ComboBox*>(&view)) {
        const std::vector<std::string>& items = (*box)->Items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) {
                return ChooseItem(control, static_cast<int>(i));
            }
        }
        return TypeText(control, text);
    }
    if (std::holds_alternative<const CheckBox*>(view)) {
        if (text != "1" && text != "0") {
            return ActionResult::Refused(
                Quote(control) + " takes 1 (checked) or 0 (unchecked), not " + Quote(text) + ".");
        }
        return SetChecked(control, text == "1");
    }
    return TypeText(control, text);
}

// --- The run's view of the window ---

WindowInputs MainWindowModel::Inputs() const {
    WindowInputs in;
    in.OperationIndex = cboOperation.SelectedIndex;
    in.MonthStartIndex = cboMonthStart.SelectedIndex;
    in.DayStartIndex = cboDayStart.SelectedIndex;
    in.YearStart = txtYearStart.Text;
    in.MonthEndIndex = cboMonthEnd.SelectedIndex;
    in.DayEndIndex = cboDayEnd.SelectedIndex;
    in.YearEnd = txtYearEnd.Text;
    in.Home = InputsOf(*this, kHomeRow);
    in.DX = InputsOf(*this, kDXRow);
    in.UnitsIndex = cboUnits.SelectedIndex;
    in.CelestialIndex = cboCelestial.SelectedIndex;
    in.CelestialText = cboCelestial.Text;
    in.EnterObject = txtEnterObject.Text;
    in.CelestialRAhours = txtCelestialRAhours.Text;
    in.CelestialRAminutes = txtCelestialRAminutes.Text;
    in.CelestialDec = txtCelestialDec.Text;
    in.Noise = txtNoise.Text;
    in.IncrementMinutes = txtIncrementMinutes.Text;
    in.OutputLines = txtOutputLines.Text;
    in.Band = cboBand.Text;
    in.Region = cboRegion.Text;
    in.TimeDif = txtTimeDif.Text;
    in.TextEditor = txtTextEditor.Text;
    in.AdobeReader = txtAdobeReader.Text;
    in.AzMin = txtAZMIN.Text;
    in.AzMax = txtAZMAX.Text;
    in.GmtMin = txtGMTMIN.Text;
    in.GmtMax = txtGMTMAX.Text;
    in.MaxDegradation = txtMaxDegradation.Text;
    return in;
}

}  // namespace velmorant
