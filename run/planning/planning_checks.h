// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "run/run_message.h"
#include "run/run_parameters.h"

namespace velmorant {

// Why a planning run must not start, or nothing: no object chosen or no station selected. (The
// ranges of the numbers, an increment that would never advance the clock among them, are
// refused while the parameters are gathered.)
std::optional<RunMessage> PlanningRefusal(const RunParameters& params);

}  // namespace velmorant
