// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>

#include "run/run_parameters.h"
#include "run/window_inputs.h"

// The run the chart and the mutual windows compute from the main window: its contents as they
// stand, but for the Moon, seen from both stations, in Planning (whatever object, display boxes
// and operation the window shows).

namespace velmorant {

// The run's values, or the refusal's text ("Title: text") when the window's contents cannot
// make a planning run (a date or a number out of range, no increment).
std::variant<RunParameters, std::string> MoonPairParameters(WindowInputs inputs);

}  // namespace velmorant
