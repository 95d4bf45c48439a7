#include "ui/model/main_window_model.h"

#include <string>

namespace velmorant {

namespace {

const void* AddressIn(const MainWindowControls& controls, const ControlMember& member) {
    return std::visit([&](auto pointer) -> const void* { return &(controls.*pointer); }, member);
}

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
    : clock_(clock), storage_(storage), messages_(messages) {}

ControlView MainWindowModel::FindControl(std::string_view name) const {
    const ControlEntry* entry = FindControlEntry(name);
    if (entry == nullptr) {
        return std::monostate{};
    }
    const MainWindowControls& controls = *this;
    return std::visit([&](auto pointer) -> ControlView { return &(controls.*pointer); },
                      entry->member);
}

void MainWindowModel::Changed(const void* control) {
    if (!Hooks.ControlChanged) {
        return;
    }
    for (const ControlEntry& entry : ControlTable()) {
        if (AddressIn(*this, entry.member) == control) {
            Hooks.ControlChanged(entry.name);
            return;
        }
    }
}

void MainWindowModel::RequestEnd() {
    endRequested_ = true;
    if (Hooks.EndProgram) {
        Hooks.EndProgram();
    }
}

// --- Changes made by code ---

void MainWindowModel::PutText(TextBox& box, std::string_view text) {
    if (box.text == text) {
        return;
    }
    box.text = text;
    Changed(&box);
    RunChangeHandler(box);
}

void MainWindowModel::PutComboText(ComboBox& box, std::string_view text) {
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

void MainWindowModel::SelectItem(ComboBox& box, int index) {
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

void MainWindowModel::SetCheck(CheckBox& box, bool checked) {
    if (box.checked != checked) {
        box.checked = checked;
        Changed(&box);
    }
}

void MainWindowModel::SetCaption(Label& label, std::string_view caption) {
    if (label.caption != caption) {
        label.caption = caption;
        Changed(&label);
    }
}

void MainWindowModel::SetCaption(Button& button, std::string_view caption) {
    if (button.caption != caption) {
        button.caption = caption;
        Changed(&button);
    }
}

// --- Handlers by control ---

void MainWindowModel::RunChangeHandler(const TextBox& box) {
    if (&box == &txtAZMIN) {
        txtAZMIN_Change();
    } else if (&box == &txtAZMAX) {
        txtAZMAX_Change();
    } else if (&box == &txtTimeDif) {
        txtTimeDif_Change();
    }
}

void MainWindowModel::RunClickHandler(const ComboBox& box) {
    if (&box == &cboMonthStart) {
        cboMonthStart_Click();
    } else if (&box == &cboDayStart) {
        cboDayStart_Click();
    } else if (&box == &cboMonthEnd) {
        cboMonthEnd_Click();
    } else if (&box == &cboDayEnd) {
        cboDayEnd_Click();
    } else if (&box == &cboCelestial) {
        cboCelestial_Click();
    }
}

void MainWindowModel::RunCheckHandler(const CheckBox& box) {
    if (&box == &chkDisplayHome) {
        chkDisplayHome_Click();
    } else if (&box == &chkDisplayDX) {
        chkDisplayDX_Click();
    }
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
    if (control == "txtYearStart") {
        txtYearStart_Click();
    } else if (control == "txtYearEnd") {
        txtYearEnd_Click();
    } else if (control == "lblTextEditor") {
        lblTextEditor_Click();
    } else if (control == "lblAzRange") {
        lblAzRange_Click();
    } else if (control == "cmdSET") {
        cmdSET_Click();
    } else if (control == "cmdRESTART") {
        cmdRESTART_Click();
    } else if (control == "cmdHELP") {
        cmdHELP_Click();
    } else if (control == "cmdEXIT") {
        cmdEXIT_Click();
    } else if (control == "cmdStop") {
        cmdStop_Click();
    } else if (control == "cmdRUN") {
        cmdRUN_Click();
    } else if (control == "cmdHomeLookup") {
        cmdHomeLookup_Click();
    } else if (control == "cmdDXLookup") {
        cmdDXLookup_Click();
    } else if (control == "cmdLocatorHomeCalc") {
        cmdLocatorHomeCalc_Click();
    } else if (control == "cmdLocatorDXCalc") {
        cmdLocatorDXCalc_Click();
    } else if (control == "cmdAddHome") {
        cmdAddHome_Click();
    } else if (control == "cmdAddDX") {
        cmdAddDX_Click();
    } else {
        return ActionResult::Refused(Quote(control) + " has no click action here.");
    }
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

namespace {

StationInputs StationOf(const CheckBox& display, const TextBox& callsign, const TextBox& locator,
                        const TextBox& notes, const TextBox& latDeg, const TextBox& latMin,
                        const TextBox& latSec, const ComboBox& latDir, const TextBox& lonDeg,
                        const TextBox& lonMin, const TextBox& lonSec, const ComboBox& lonDir,
                        const TextBox& above, const TextBox& below) {
    StationInputs station;
    station.DisplayChecked = display.checked;
    station.Callsign = callsign.text;
    station.Locator = locator.text;
    station.Notes = notes.text;
    station.LatDeg = latDeg.text;
    station.LatMin = latMin.text;
    station.LatSec = latSec.text;
    station.LatDir = latDir.text;
    station.LonDeg = lonDeg.text;
    station.LonMin = lonMin.text;
    station.LonSec = lonSec.text;
    station.LonDir = lonDir.text;
    station.Above = above.text;
    station.Below = below.text;
    return station;
}

}  // namespace

WindowInputs MainWindowModel::Inputs() const {
    WindowInputs in;
    in.OperationIndex = cboOperation.selectedIndex;
    in.MonthStartIndex = cboMonthStart.selectedIndex;
    in.DayStartIndex = cboDayStart.selectedIndex;
    in.YearStart = txtYearStart.text;
    in.MonthEndIndex = cboMonthEnd.selectedIndex;
    in.DayEndIndex = cboDayEnd.selectedIndex;
    in.YearEnd = txtYearEnd.text;
    in.Home = StationOf(chkDisplayHome, txtCallsignHome, txtLocatorHome, txtNotesHome,
                        txtLatDegHome, txtLatMinHome, txtLatSecHome, cboLatDirHome, txtLonDegHome,
                        txtLonMinHome, txtLonSecHome, cboLonDirHome, txtAboveHome, txtBelowHome);
    in.DX = StationOf(chkDisplayDX, txtCallsignDX, txtLocatorDX, txtNotesDX, txtLatDegDX,
                      txtLatMinDX, txtLatSecDX, cboLatDirDX, txtLonDegDX, txtLonMinDX, txtLonSecDX,
                      cboLonDirDX, txtAboveDX, txtBelowDX);
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
