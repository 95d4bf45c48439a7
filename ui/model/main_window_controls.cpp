#include "ui/model/main_window_controls.h"

#include "ui/model/object_presets.h"

#include <algorithm>
#include <array>

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
        items.emplace_back(preset.name);
    }
    return items;
}

namespace {

// Writing each name once keeps the table's names and the members from drifting apart.
#define VELMORANT_CONTROL(name)          \
    ControlEntry {                       \
#name, &MainWindowControls::name \
    }

const std::array kControls{
    VELMORANT_CONTROL(lblTitle),
    VELMORANT_CONTROL(lblStartDate),
    VELMORANT_CONTROL(cboMonthStart),
    VELMORANT_CONTROL(cboDayStart),
    VELMORANT_CONTROL(txtYearStart),
    VELMORANT_CONTROL(lblEndDate),
    VELMORANT_CONTROL(cboMonthEnd),
    VELMORANT_CONTROL(cboDayEnd),
    VELMORANT_CONTROL(txtYearEnd),
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
    VELMORANT_CONTROL(chkDisplayHome),
    VELMORANT_CONTROL(lblHome),
    VELMORANT_CONTROL(txtCallsignHome),
    VELMORANT_CONTROL(cmdHomeLookup),
    VELMORANT_CONTROL(txtLocatorHome),
    VELMORANT_CONTROL(cmdLocatorHomeCalc),
    VELMORANT_CONTROL(cmdAddHome),
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
    VELMORANT_CONTROL(chkDisplayDX),
    VELMORANT_CONTROL(lblDXSTN),
    VELMORANT_CONTROL(txtCallsignDX),
    VELMORANT_CONTROL(cmdDXLookup),
    VELMORANT_CONTROL(txtLocatorDX),
    VELMORANT_CONTROL(cmdLocatorDXCalc),
    VELMORANT_CONTROL(cmdAddDX),
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
    VELMORANT_CONTROL(lblAzRange),
    VELMORANT_CONTROL(txtAZMAX),
    VELMORANT_CONTROL(txtAZMIN),
    VELMORANT_CONTROL(txtGMTMIN),
    VELMORANT_CONTROL(txtGMTMAX),
    VELMORANT_CONTROL(lblObject),
    VELMORANT_CONTROL(lblObjectRA),
    VELMORANT_CONTROL(lblObjectDeclination),
    VELMORANT_CONTROL(lblOutput),
    VELMORANT_CONTROL(cboCelestial),
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
    VELMORANT_CONTROL(txtTimeDif),
    VELMORANT_CONTROL(lblLines),
    VELMORANT_CONTROL(txtOutputLines),
    VELMORANT_CONTROL(lblRegion),
    VELMORANT_CONTROL(cboRegion),
    VELMORANT_CONTROL(lblUnits),
    VELMORANT_CONTROL(cboUnits),
    VELMORANT_CONTROL(lbBand),
    VELMORANT_CONTROL(cboBand),
    VELMORANT_CONTROL(lblTextEditor),
    VELMORANT_CONTROL(txtTextEditor),
    VELMORANT_CONTROL(txtAdobeReader),
    VELMORANT_CONTROL(cmdRUN),
    VELMORANT_CONTROL(cmdStop),
    VELMORANT_CONTROL(cmdSET),
    VELMORANT_CONTROL(cmdRESTART),
    VELMORANT_CONTROL(cmdHELP),
    VELMORANT_CONTROL(cmdEXIT),
    VELMORANT_CONTROL(txtSearch),
    VELMORANT_CONTROL(txtReplace),
    VELMORANT_CONTROL(txtDelete),
    VELMORANT_CONTROL(txtCancel),
};

#undef VELMORANT_CONTROL

}  // namespace

std::span<const ControlEntry> ControlTable() {
    return kControls;
}

const ControlEntry* FindControlEntry(std::string_view name) {
    const auto found =
        std::find_if(kControls.begin(), kControls.end(),
                     [name](const ControlEntry& entry) { return entry.name == name; });
    return found == kControls.end() ? nullptr : &*found;
}

}  // namespace velmorant
