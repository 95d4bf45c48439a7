// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A snapshot of the main window's controls as a run reads them: texts exactly as shown, list
// positions (0-based, -1 when no item is chosen) and check states. The window model produces
// it; the run gathers its parameters from it and never reads the window directly.

namespace velmorant {

// One station row (Home or DX).
struct StationInputs {
    bool DisplayChecked = true;          // chkDisplayHome / chkDisplayDX
    std::string Callsign;                // txtCallsign*
    std::string Locator;                 // txtLocator*
    std::string Notes;                   // txtNotes*
    std::string LatDeg, LatMin, LatSec;  // txtLatDeg*, txtLatMin*, txtLatSec*
    std::string LatDir;                  // cboLatDir* text ("N" counts as north)
    std::string LonDeg, LonMin, LonSec;  // txtLonDeg*, txtLonMin*, txtLonSec*
    std::string LonDir;                  // cboLonDir* text ("W" counts as west)
    std::string Above;                   // txtAbove*
    std::string Below;                   // txtBelow*

    bool operator==(const StationInputs&) const = default;
};

struct WindowInputs {
    int OperationIndex = -1;                       // cboOperation: 0 Planning, 1 Real-Time
    int MonthStartIndex = -1, DayStartIndex = -1;  // cboMonthStart, cboDayStart
    std::string YearStart;                         // txtYearStart
    int MonthEndIndex = -1, DayEndIndex = -1;      // cboMonthEnd, cboDayEnd
    std::string YearEnd;                           // txtYearEnd
    StationInputs Home;
    StationInputs DX;
    int UnitsIndex = -1;             // cboUnits: 0 km, 1 mi
    int CelestialIndex = -1;         // cboCelestial list position
    std::string CelestialText;       // cboCelestial displayed text
    std::string EnterObject;         // txtEnterObject
    std::string CelestialRAhours;    // txtCelestialRAhours
    std::string CelestialRAminutes;  // txtCelestialRAminutes
    std::string CelestialDec;        // txtCelestialDec
    std::string Noise;               // txtNoise
    std::string IncrementMinutes;    // txtIncrementMinutes
    std::string OutputLines;         // txtOutputLines
    std::string Band;                // cboBand text
    std::string Region;              // cboRegion text
    std::string TimeDif;             // txtTimeDif
    std::string TextEditor;          // txtTextEditor
    std::string AdobeReader;         // txtAdobeReader
    std::string AzMin, AzMax;        // txtAZMIN, txtAZMAX
    std::string GmtMin, GmtMax;      // txtGMTMIN, txtGMTMAX
    std::string MaxDegradation;      // txtMaxDegradation

    bool operator==(const WindowInputs&) const = default;
};

}  // namespace velmorant
