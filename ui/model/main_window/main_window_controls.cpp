// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/main_window/main_window_controls.h"

#include <algorithm>
#include <array>

#include "ui/model/main_window/main_window_model.h"
#include "ui/model/main_window/object_presets.h"
#include "ui/model/planning/date_rules.h"

namespace velmorant {

std::vector<std::string> MonthListItems() {
    return {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}

std::vector<std::string> DayListItems() {
    std::vector<std::string> days;
    for (int day = 1; day <= 31; ++day) {
        days.push_back(day < 10 ? " " + std::to_string(day) : std::to_string(day));
    }
    return days;
}

std::vector<std::string> CelestialListItems() {
    std::vector<std::string> items;
    for (const ObjectPreset& preset : ObjectPresets()) {
        items.emplace_back(preset.Name);
    }
    return items;
}

namespace {

// Writing each name once keeps the table's names and the members from drifting apart. The
// handlers are named after the control and the event (cmdRUN_Click, txtAZMIN_Change), so the
// name gives the handler too.
#define VELMORANT_CONTROL(name)          \
    ControlEntry {                       \
#name, &MainWindowControls::name \
    }
#define VELMORANT_HANDLED(control, event, handler)                                     \
    ControlEntry {                                                                     \
        .Name = #control, .Member = &MainWindowControls::control, .event = &M::handler \
    }
#define VELMORANT_DATE_LIST(control, handler)                                            \
    ControlEntry {                                                                       \
        .Name = #control, .Member = &MainWindowControls::control, .Choose = &M::handler, \
        .TypedItem = &TypedDateItem                                                      \
    }

using M = MainWindowModel;

const std::array kControls{
    VELMORANT_CONTROL(lblTitle),
    VELMORANT_CONTROL(lblStartDate),
    VELMORANT_DATE_LIST(cboMonthStart, cboMonthStart_Click),
    VELMORANT_DATE_LIST(cboDayStart, cboDayStart_Click),
    VELMORANT_HANDLED(txtYearStart, Click, txtYearStart_Click),
    VELMORANT_CONTROL(lblEndDate),
    VELMORANT_DATE_LIST(cboMonthEnd, cboMonthEnd_Click),
    VELMORANT_DATE_LIST(cboDayEnd, cboDayEnd_Click),
    VELMORANT_HANDLED(txtYearEnd, Click, txtYearEnd_Click),
    VELMORANT_CONTROL(txtDateCalc),
    VELMORANT_CONTROL(lbLatitude),
    VELMORANT_CONTROL(lblLongitude),
    VELMORANT_CONTROL(lblDegrees),
    VELMORANT_CONTROL(lblDisplay),
    VELMORANT_CONTROL(lbCallsign),
    VELMORANT_CONTROL(lblLocator),
    VELMORANT_CONTROL(lblAdd),
    VELMORANT_CONTROL(lbLatDeg),
    VELMORANT_CONTROL(lblLatMin),
    VELMORANT_CONTROL(lbLatSec),
    VELMORANT_CONTROL(lblLatDir),
    VELMORANT_CONTROL(lblLonDeg),
    VELMORANT_CONTROL(lbLonMin),
    VELMORANT_CONTROL(lbLonSec),
    VELMORANT_CONTROL(lblLonDir),
    VELMORANT_CONTROL(lblAboveDeg),
    VELMORANT_CONTROL(lblBelowDeg),
    VELMORANT_HANDLED(chkDisplayHome, Choose, chkDisplayHome_Click),
    VELMORANT_CONTROL(lblHome),
    VELMORANT_HANDLED(txtCallsignHome, Key, txtCallsignHome_KeyPress),
    VELMORANT_HANDLED(cmdHomeLookup, Click, cmdHomeLookup_Click),
    VELMORANT_HANDLED(txtLocatorHome, Key, txtLocatorHome_KeyPress),
    VELMORANT_HANDLED(cmdLocatorHomeCalc, Click, cmdLocatorHomeCalc_Click),
    VELMORANT_HANDLED(cmdAddHome, Click, cmdAddHome_Click),
    VELMORANT_CONTROL(txtLatDegHome),
    VELMORANT_CONTROL(txtLatMinHome),
    VELMORANT_CONTROL(txtLatSecHome),
    VELMORANT_CONTROL(cboLatDirHome),
    VELMORANT_CONTROL(txtLonDegHome),
    VELMORANT_CONTROL(txtLonMinHome),
    VELMORANT_CONTROL(txtLonSecHome),
    VELMORANT_CONTROL(cboLonDirHome),
    VELMORANT_CONTROL(txtAboveHome),
    VELMORANT_CONTROL(txtBelowHome),
    VELMORANT_CONTROL(txtNotesHome),
    VELMORANT_HANDLED(chkDisplayDX, Choose, chkDisplayDX_Click),
    VELMORANT_CONTROL(lblDXSTN),
    VELMORANT_HANDLED(txtCallsignDX, Key, txtCallsignDX_KeyPress),
    VELMORANT_HANDLED(cmdDXLookup, Click, cmdDXLookup_Click),
    VELMORANT_HANDLED(txtLocatorDX, Key, txtLocatorDX_KeyPress),
    VELMORANT_HANDLED(cmdLocatorDXCalc, Click, cmdLocatorDXCalc_Click),
    VELMORANT_HANDLED(cmdAddDX, Click, cmdAddDX_Click),
    VELMORANT_CONTROL(txtLatDegDX),
    VELMORANT_CONTROL(txtLatMinDX),
    VELMORANT_CONTROL(txtLatSecDX),
    VELMORANT_CONTROL(cboLatDirDX),
    VELMORANT_CONTROL(txtLonDegDX),
    VELMORANT_CONTROL(txtLonMinDX),
    VELMORANT_CONTROL(txtLonSecDX),
    VELMORANT_CONTROL(cboLonDirDX),
    VELMORANT_CONTROL(txtAboveDX),
    VELMORANT_CONTROL(txtBelowDX),
    VELMORANT_CONTROL(txtNotesDX),
    VELMORANT_HANDLED(lblAzRange, Click, lblAzRange_Click),
    VELMORANT_HANDLED(txtAZMAX, Change, txtAZMAX_Change),
    VELMORANT_HANDLED(txtAZMIN, Change, txtAZMIN_Change),
    VELMORANT_CONTROL(txtGMTMIN),
    VELMORANT_CONTROL(txtGMTMAX),
    VELMORANT_CONTROL(lblObject),
    VELMORANT_CONTROL(lblObjectRA),
    VELMORANT_CONTROL(lblObjectDeclination),
    VELMORANT_CONTROL(lblOutput),
    VELMORANT_HANDLED(cboCelestial, Choose, cboCelestial_Click),
    VELMORANT_CONTROL(txtEnterObject),
    VELMORANT_CONTROL(txtCelestialRAhours),
    VELMORANT_CONTROL(lblObjectHours),
    VELMORANT_CONTROL(txtCelestialRAminutes),
    VELMORANT_CONTROL(lblObjectMin),
    VELMORANT_CONTROL(txtCelestialDec),
    VELMORANT_CONTROL(lblObjectDegrees),
    VELMORANT_CONTROL(cboOperation),
    VELMORANT_CONTROL(lbIncrement),
    VELMORANT_CONTROL(txtIncrementMinutes),
    VELMORANT_CONTROL(lblIncrMinutes),
    VELMORANT_CONTROL(lblEsc),
    VELMORANT_CONTROL(cboEsc),
    VELMORANT_CONTROL(lblRCVRNoise),
    VELMORANT_CONTROL(txtNoise),
    VELMORANT_CONTROL(lblMaxDegradation),
    VELMORANT_CONTROL(txtMaxDegradation),
    VELMORANT_CONTROL(lblTimeDif),
    VELMORANT_HANDLED(txtTimeDif, Change, txtTimeDif_Change),
    VELMORANT_CONTROL(lblLines),
    VELMORANT_CONTROL(txtOutputLines),
    VELMORANT_CONTROL(lblRegion),
    VELMORANT_CONTROL(cboRegion),
    VELMORANT_CONTROL(lblUnits),
    VELMORANT_CONTROL(cboUnits),
    VELMORANT_CONTROL(lbBand),
    VELMORANT_CONTROL(cboBand),
    VELMORANT_HANDLED(lblTextEditor, Click, lblTextEditor_Click),
    VELMORANT_CONTROL(txtTextEditor),
    VELMORANT_CONTROL(txtAdobeReader),
    VELMORANT_HANDLED(cmdRUN, Click, cmdRUN_Click),
    VELMORANT_HANDLED(cmdStop, Click, cmdStop_Click),
    VELMORANT_HANDLED(cmdSET, Click, cmdSET_Click),
    VELMORANT_HANDLED(cmdRESTART, Click, cmdRESTART_Click),
    VELMORANT_HANDLED(cmdHELP, Click, cmdHELP_Click),
    VELMORANT_HANDLED(cmdEXIT, Click, cmdEXIT_Click),
    VELMORANT_HANDLED(cmdWINDOWS, Click, cmdWINDOWS_Click),
    VELMORANT_CONTROL(txtSearch),
    VELMORANT_CONTROL(txtReplace),
    VELMORANT_CONTROL(txtDelete),
    VELMORANT_CONTROL(txtCancel),
};

#undef VELMORANT_CONTROL
#undef VELMORANT_HANDLED
#undef VELMORANT_DATE_LIST

}  // namespace

std::span<const ControlEntry> ControlTable() {
    return kControls;
}

const ControlEntry* FindControlEntry(const MainWindowControls& controls, const void* control) {
    for (const ControlEntry& entry : kControls) {
        const void* address = std::visit(
            [&](auto member) -> const void* { return &(controls.*member); }, entry.Member);
        if (address == control) {
            return &entry;
        }
    }
    return nullptr;
}

const ControlEntry* FindControlEntry(std::string_view name) {
    const auto found =
        std::find_if(kControls.begin(), kControls.end(),
                     [name](const ControlEntry& entry) { return entry.Name == name; });
    return found == kControls.end() ? nullptr : &*found;
}

}  // namespace velmorant
