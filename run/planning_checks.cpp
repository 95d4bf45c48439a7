#include "run/planning_checks.h"

namespace velmorant {

std::optional<RunMessage> PlanningRefusal(const RunParameters& params) {
    if (params.CelestialIndex < 0 || params.CelestialIndex > 8) {
        return RunMessage{"Input Required",
                          "Please select a Celestial Object for Tracking from the Object list."};
    }
    if (params.DisplayHome != 1 && params.DisplayDX != 1) {
        return RunMessage{"Display Selection",
                          "Please check the Display box of the Home or the DX station, or both, "
                          "to select the positions to be calculated."};
    }
    return std::nullopt;
}

}  // namespace velmorant
