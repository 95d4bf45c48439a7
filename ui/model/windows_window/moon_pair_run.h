// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>

#include "run/run_parameters.h"
#include "run/window_inputs.h"

// The runs the WINDOWS window and the `calendar` command compute from a main window's contents,
// always in Planning: the chart's and the mutual windows' (the Moon seen from both stations,
// whatever object and display boxes the window shows) and the calendar's (the window's object
// and stations as they stand, refused unless the Moon seen from Home).

namespace velmorant {

// The run's values, or the refusal's text ("Title: text") when the window's contents cannot
// make a planning run (a date or a number out of range, no increment).
std::variant<RunParameters, std::string> MoonPairParameters(WindowInputs inputs);

// The calendar's run, or the refusal's text: as MoonPairParameters, and also when the window's
// object is not the Moon or Home is not displayed.
std::variant<RunParameters, std::string> CalendarRunParameters(WindowInputs inputs);

}  // namespace velmorant
