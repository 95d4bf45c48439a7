// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "run/run_parameters.h"
#include "stations/station_record.h"
#include "ui/model/main_window/main_window_model.h"

// Stations named on the command line (`--home` and `--dx` of plan and windows, and of any
// command that places stations), through the window's own buttons: a locator fills the row as
// the row's calculation button does, a callsign is looked up as its lookup button does.

namespace velmorant {

// One station into `row`. A locator (2, 4 or 6 characters of the Maidenhead form) empties the
// callsign and notes, goes into the locator box and the calculation button is pressed. Anything
// else is typed into the callsign box and the lookup button is pressed (CALL3.TXT from
// form.Stations.List); it must find the callsign exactly, else the search's message has been
// shown and the result says so. A "*" pattern names no single station and is refused.
ActionResult ChooseStation(MainWindowModel& form, const StationRow& row, const std::string& value);

// The DX stations a `--dx` value names, each as the run reads the DX row once it holds that
// station: a locator or a callsign as ChooseStation places it, a pattern with "*" every station
// of CALL3.TXT it matches (ListStations), each put into the row as its lookup button puts an
// exact find. An empty value names every station of the list. The refusal text when the list
// cannot be read or a single station cannot be placed.
std::variant<std::vector<StationSite>, std::string> DxStationsNamed(MainWindowModel& form,
                                                                    const std::string& value);

// Each record of CALL3.TXT put into form's DX row as its lookup button puts an exact find, and
// read back as the run reads the DX row.
std::vector<StationSite> DxSitesOf(MainWindowModel& form, std::span<const StationRecord> records);

}  // namespace velmorant
