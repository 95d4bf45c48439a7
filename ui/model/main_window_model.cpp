#include "ui/model/main_window_model.h"

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
                      entry->member);
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
        [this](const void* control) { RunHandler(control, &ControlEntry::choose); },
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
                      entry->member);
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
    RunHandler(&box, &ControlEntry::change);
}

void MainWindowModel::RunClickHandler(const ComboBox& box) {
    RunHandler(&box, &ControlEntry::choose);
}

void MainWindowModel::RunCheckHandler(const CheckBox& box) {
    RunHandler(&box, &ControlEntry::choose);
}

// --- Operator actions ---

ActionResult MainWindowModel::TypeText(std::string_view control, std::string_view text) {
    const MutableControl found = Lookup(*this, control);
    if (TextBox* const* box = std::get_if<TextBox*>(&found)) {
        // The operator's edit always reaches the handler, even when it leaves the text as it
        // was (the handlers only correct the text, so running them again changes nothing).
        TextBox& target = **box;
        if (target.text != text) {
            target.text = text;
            Changed(&target);
        }
        RunChangeHandler(target);
        return ActionResult::Done();
    }
    if (ComboBox* const* box = std::get_if<ComboBox*>(&found)) {
        ComboBox& target = **box;
        if (target.text != text || target.selectedIndex != -1) {
            target.text = text;
            target.selectedIndex = -1;
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
    if (index < 0 || index >= static_cast<int>(target.items.size())) {
        return ActionResult::Refused(Quote(control) + " has no item " + std::to_string(index) +
                                     ".");
    }
    SelectItem(target, index);
    RunClickHandler(target);
    return ActionResult::Done();
}

ActionResult MainWindowModel::SetChecked(std::string_view control, bool checked) {
    const MutableControl found = Lookup(*this, control);
    CheckBox* const* box = std::get_if<CheckBox*>(&found);
    if (box == nullptr) {
        return ActionResult::Refused(Quote(control) + " is not a check box.");
    }
    CheckBox& target = **box;
    if (target.checked != checked) {
        SetCheck(target, checked);
        RunCheckHandler(target);
    }
    return ActionResult::Done();
}

ActionResult MainWindowModel::Click(std::string_view control) {
    const ControlEntry* entry = FindControlEntry(control);
    if (entry == nullptr || entry->click == nullptr) {
        return ActionResult::Refused(Quote(control) + " has no click action here.");
    }
    (this->*(entry->click))();
    return ActionResult::Done();
}

ActionResult MainWindowModel::KeyPress(std::string_view control, int& key) {
    const ControlEntry* entry = FindControlEntry(control);
    if (entry == nullptr || entry->key == nullptr) {
        return ActionResult::Refused(Quote(control) + " has no key handler.");
    }
    (this->*(entry->key))(key);
    return ActionResult::Done();
}

ActionResult MainWindowModel::ApplySetting(std::string_view control, std::string_view text) {
    const ControlView view = FindControl(control);
    if (std::holds_alternative<std::monostate>(view)) {
        return ActionResult::Refused("There is no control named " + Quote(control) + ".");
    }
    if (const auto* box = std::get_if<const ComboBox*>(&view)) {
        const std::vector<std::string>& items = (*box)->items;
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
    in.OperationIndex = cboOperation.selectedIndex;
    in.MonthStartIndex = cboMonthStart.selectedIndex;
    in.DayStartIndex = cboDayStart.selectedIndex;
    in.YearStart = txtYearStart.text;
    in.MonthEndIndex = cboMonthEnd.selectedIndex;
    in.DayEndIndex = cboDayEnd.selectedIndex;
    in.YearEnd = txtYearEnd.text;
    in.Home = InputsOf(*this, kHomeRow);
    in.DX = InputsOf(*this, kDXRow);
    in.UnitsIndex = cboUnits.selectedIndex;
    in.CelestialIndex = cboCelestial.selectedIndex;
    in.CelestialText = cboCelestial.text;
    in.EnterObject = txtEnterObject.text;
    in.CelestialRAhours = txtCelestialRAhours.text;
    in.CelestialRAminutes = txtCelestialRAminutes.text;
    in.CelestialDec = txtCelestialDec.text;
    in.Noise = txtNoise.text;
    in.IncrementMinutes = txtIncrementMinutes.text;
    in.OutputLines = txtOutputLines.text;
    in.Band = cboBand.text;
    in.Region = cboRegion.text;
    in.TimeDif = txtTimeDif.text;
    in.TextEditor = txtTextEditor.text;
    in.AdobeReader = txtAdobeReader.text;
    in.AzMin = txtAZMIN.text;
    in.AzMax = txtAZMAX.text;
    in.GmtMin = txtGMTMIN.text;
    in.GmtMax = txtGMTMAX.text;
    in.MaxDegradation = txtMaxDegradation.text;
    return in;
}

}  // namespace velmorant
