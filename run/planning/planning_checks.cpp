// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/planning_checks.h"

namespace velmorant {

std::optional<RunMessage> PlanningRefusal(const RunParameters& params) {
    if (!params.Object) {
        return RunMessage{"Input Required",
                          "Please select a Celestial Object for Tracking from the Object list."};
    }
    if (!params.DisplayHome && !params.DisplayDX) {
        return RunMessage{"Display Selection",
                          "Please check the Display box of the Home or the DX station, or both, "
                          "to select the positions to be calculated."};
    }
    return std::nullopt;
}

}  // namespace velmorant
