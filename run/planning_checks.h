#pragma once

#include <optional>

#include "run/run_message.h"
#include "run/run_parameters.h"

namespace velmorant {

// Why a planning run must not start, or nothing: no object chosen, no station selected, or an
// increment that would never advance the clock.
std::optional<RunMessage> PlanningRefusal(const RunParameters& params);

}  // namespace velmorant
