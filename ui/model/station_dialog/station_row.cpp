// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/station_dialog/station_row.h"

namespace velmorant {

using W = MainWindowControls;

const StationRow kHomeRow{
    .Home = true,
    .CallsignBox = "txtCallsignHome",
    .Display = &W::chkDisplayHome,
    .Callsign = &W::txtCallsignHome,
    .Locator = &W::txtLocatorHome,
    .Notes = &W::txtNotesHome,
    .LatDeg = &W::txtLatDegHome,
    .LatMin = &W::txtLatMinHome,
    .LatSec = &W::txtLatSecHome,
    .LatDir = &W::cboLatDirHome,
    .LonDeg = &W::txtLonDegHome,
    .LonMin = &W::txtLonMinHome,
    .LonSec = &W::txtLonSecHome,
    .LonDir = &W::cboLonDirHome,
    .Above = &W::txtAboveHome,
    .Below = &W::txtBelowHome,
};

const StationRow kDXRow{
    .Home = false,
    .CallsignBox = "txtCallsignDX",
    .Display = &W::chkDisplayDX,
    .Callsign = &W::txtCallsignDX,
    .Locator = &W::txtLocatorDX,
    .Notes = &W::txtNotesDX,
    .LatDeg = &W::txtLatDegDX,
    .LatMin = &W::txtLatMinDX,
    .LatSec = &W::txtLatSecDX,
    .LatDir = &W::cboLatDirDX,
    .LonDeg = &W::txtLonDegDX,
    .LonMin = &W::txtLonMinDX,
    .LonSec = &W::txtLonSecDX,
    .LonDir = &W::cboLonDirDX,
    .Above = &W::txtAboveDX,
    .Below = &W::txtBelowDX,
};

StationInputs InputsOf(const MainWindowControls& window, const StationRow& row) {
    StationInputs station;
    station.DisplayChecked = (window.*row.Display).Checked;
    station.Callsign = (window.*row.Callsign).Text;
    station.Locator = (window.*row.Locator).Text;
    station.Notes = (window.*row.Notes).Text;
    station.LatDeg = (window.*row.LatDeg).Text;
    station.LatMin = (window.*row.LatMin).Text;
    station.LatSec = (window.*row.LatSec).Text;
    station.LatDir = (window.*row.LatDir).Text;
    station.LonDeg = (window.*row.LonDeg).Text;
    station.LonMin = (window.*row.LonMin).Text;
    station.LonSec = (window.*row.LonSec).Text;
    station.LonDir = (window.*row.LonDir).Text;
    station.Above = (window.*row.Above).Text;
    station.Below = (window.*row.Below).Text;
    return station;
}

StationDefaults DefaultsOf(const MainWindowControls& window, const StationRow& row) {
    StationDefaults station;
    station.Display = (window.*row.Display).Checked ? 1 : 0;
    station.Callsign = (window.*row.Callsign).Text;
    station.Locator = (window.*row.Locator).Text;
    station.LatDeg = (window.*row.LatDeg).Text;
    station.LatMin = (window.*row.LatMin).Text;
    station.LatSec = (window.*row.LatSec).Text;
    station.LatDir = (window.*row.LatDir).Text;
    station.LonDeg = (window.*row.LonDeg).Text;
    station.LonMin = (window.*row.LonMin).Text;
    station.LonSec = (window.*row.LonSec).Text;
    station.LonDir = (window.*row.LonDir).Text;
    station.Above = (window.*row.Above).Text;
    station.Below = (window.*row.Below).Text;
    return station;
}

}  // namespace velmorant
