// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_choices.h"

namespace velmorant {

std::optional<RunOperation> RunOperationAt(int listPosition) {
    switch (listPosition) {
        case 0:
            return RunOperation::Planning;
        case 1:
            return RunOperation::RealTime;
        default:
            return std::nullopt;
    }
}

std::optional<CelestialObject> CelestialObjectAt(int listPosition) {
    if (listPosition < 0 || listPosition > static_cast<int>(CelestialObject::Other)) {
        return std::nullopt;
    }
    return static_cast<CelestialObject>(listPosition);
}

DistanceUnit DistanceUnitAt(int listPosition) {
    return listPosition > 0 ? DistanceUnit::Miles : DistanceUnit::Kilometres;
}

}  // namespace velmorant
