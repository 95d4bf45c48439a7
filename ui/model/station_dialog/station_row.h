// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "run/window_inputs.h"
#include "ui/model/defaults/defaults_file.h"
#include "ui/model/main_window/main_window_controls.h"

// One station's row of controls, Home or DX: the same columns in both rows, so every workflow
// that works on a station (the run's values, the saved defaults, the station buttons and the
// key handlers) takes a StationRow and works on either.

namespace velmorant {

using TextMember = TextBox MainWindowControls::*;
using ComboMember = ComboBox MainWindowControls::*;
using CheckMember = CheckBox MainWindowControls::*;

struct StationRow {
    bool Home;                     // the Home row (else DX)
    std::string_view CallsignBox;  // the callsign box's name, where the keyboard focus returns
    CheckMember Display;
    TextMember Callsign, Locator, Notes;
    TextMember LatDeg, LatMin, LatSec;
    ComboMember LatDir;  // "N" or "S"
    TextMember LonDeg, LonMin, LonSec;
    ComboMember LonDir;       // "E" or "W"
    TextMember Above, Below;  // elevation limits, degrees
};

extern const StationRow kHomeRow;
extern const StationRow kDXRow;

// The row's texts and check state as a run reads them.
StationInputs InputsOf(const MainWindowControls& window, const StationRow& row);

// The row as the saved defaults keep it (the notes are not kept).
StationDefaults DefaultsOf(const MainWindowControls& window, const StationRow& row);

}  // namespace velmorant
