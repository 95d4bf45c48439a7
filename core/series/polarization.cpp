// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/polarization.h"

#include <cmath>

#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {

float PolarizationAngle(float azimuth, float elevation, double latitudeRad) {
    const double A = azimuth;
    const double h = elevation;
    const double numerator =
        std::sin(latitudeRad) * std::cos(h) - std::cos(A) * std::cos(latitudeRad) * std::sin(h);
    const double denominator = std::sin(A) * std::cos(latitudeRad);
    if (denominator == 0) {
        // Object due north or south, or a station at a pole: the quotient is infinite and the
        // angle is a full quarter turn (not the 89 its floor in degrees would give).
        return static_cast<float>(Sgn(numerator) * 90);
    }
    // X is minus the cotangent of the parallactic angle: atan(X) is that angle less 90 degrees
    // up to a half turn, which cancels in the offset between two stations.
    const double x = numerator / denominator;
    return static_cast<float>(Int(std::atan(x) * 360 / TwoPi));
}

float PolarizationOffset(float homeAngle, float dxAngle) {
    float offset = homeAngle - dxAngle;
    if (std::fabs(offset) >= 90) {
        // Linear polarization repeats every half turn.
        offset = offset - static_cast<float>(Sgn(offset) * 180);
    }
    return offset;
}

}  // namespace velmorant
