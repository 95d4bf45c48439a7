#include "ui/model/station_row.h"

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
    station.DisplayChecked = (window.*row.Display).checked;
    station.Callsign = (window.*row.Callsign).text;
    station.Locator = (window.*row.Locator).text;
    station.Notes = (window.*row.Notes).text;
    station.LatDeg = (window.*row.LatDeg).text;
    station.LatMin = (window.*row.LatMin).text;
    station.LatSec = (window.*row.LatSec).text;
    station.LatDir = (window.*row.LatDir).text;
    station.LonDeg = (window.*row.LonDeg).text;
    station.LonMin = (window.*row.LonMin).text;
    station.LonSec = (window.*row.LonSec).text;
    station.LonDir = (window.*row.LonDir).text;
    station.Above = (window.*row.Above).text;
    station.Below = (window.*row.Below).text;
    return station;
}

StationDefaults DefaultsOf(const MainWindowControls& window, const StationRow& row) {
    StationDefaults station;
    station.Display = (window.*row.Display).checked ? 1 : 0;
    station.Callsign = (window.*row.Callsign).text;
    station.Locator = (window.*row.Locator).text;
    station.LatDeg = (window.*row.LatDeg).text;
    station.LatMin = (window.*row.LatMin).text;
    station.LatSec = (window.*row.LatSec).text;
    station.LatDir = (window.*row.LatDir).text;
    station.LonDeg = (window.*row.LonDeg).text;
    station.LonMin = (window.*row.LonMin).text;
    station.LonSec = (window.*row.LonSec).text;
    station.LonDir = (window.*row.LonDir).text;
    station.Above = (window.*row.Above).text;
    station.Below = (window.*row.Below).text;
    return station;
}

}  // namespace velmorant
