// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/moon_rotation.h"

#include <array>
#include <cmath>
#include <numbers>

namespace velmorant {

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kDaysPerCentury = 36525.0;

// The arguments E1..E13, degrees at J2000.0 and degrees per day (the WGCCRE 2009 report).
struct Argument {
    double AtEpochDeg;
    double RateDegPerDay;
};
constexpr std::array<Argument, 13> kArguments = {{
    {125.045, -0.0529921},  // E1
    {250.089, -0.1059842},  // E2
    {260.008, 13.0120009},  // E3
    {176.625, 13.3407154},  // E4
    {357.529, 0.9856003},   // E5
    {311.589, 26.4057084},  // E6
    {134.963, 13.0649930},  // E7
    {276.617, 0.3287146},   // E8
    {34.226, 1.7484877},    // E9
    {15.134, -0.1589763},   // E10
    {119.743, 0.0036096},   // E11
    {239.961, 0.1643573},   // E12
    {25.053, 12.9590088},   // E13
}};

// The periodic terms' amplitudes, degrees, for E1..E13: sines for alpha0 and W, cosines for
// delta0.
constexpr std::array<double, 13> kRightAscensionSine = {
    -3.8787, -0.1204, 0.0700, -0.0172, 0.0, 0.0072, 0.0, 0.0, 0.0, -0.0052, 0.0, 0.0, 0.0043};
constexpr std::array<double, 13> kDeclinationCosine = {
    1.5419, 0.0239, -0.0278, 0.0068, 0.0, -0.0029, 0.0009, 0.0, 0.0, 0.0008, 0.0, 0.0, -0.0009};
constexpr std::array<double, 13> kMeridianSine = {3.5610,  0.1208,  -0.0642, 0.0158, 0.0252,
                                                  -0.0066, -0.0047, -0.0046, 0.0028, 0.0052,
                                                  0.0040,  0.0019,  -0.0044};

// Rotation of the axes by `angle` about z (first index) or x: the matrix is multiplied from the
// left, as eraRz and eraRx do.
void RotateZ(double angle, double m[3][3]) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (int j = 0; j < 3; ++j) {
        const double x = m[0][j];
        const double y = m[1][j];
        m[0][j] = c * x + s * y;
        m[1][j] = -s * x + c * y;
    }
}

void RotateX(double angle, double m[3][3]) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (int j = 0; j < 3; ++j) {
        const double y = m[1][j];
        const double z = m[2][j];
        m[1][j] = c * y + s * z;
        m[2][j] = -s * y + c * z;
    }
}

}  // namespace

MoonOrientation MoonOrientationAt(double daysFromJ2000) {
    const double d = daysFromJ2000;
    const double centuries = d / kDaysPerCentury;
    double alpha = 269.9949 + 0.0031 * centuries;
    double delta = 66.5392 + 0.0130 * centuries;
    // 13.17635815 deg/day is the mean sidereal rotation; the d^2 term is the tidal slowing. The
    // whole turns of the linear term are taken off before the sum keeps its fraction.
    double w = std::fmod(38.3213 + 13.17635815 * d, 360.0) - 1.4e-12 * d * d;
    for (std::size_t i = 0; i < kArguments.size(); ++i) {
        const double e = (kArguments[i].AtEpochDeg + kArguments[i].RateDegPerDay * d) * kRadPerDeg;
        const double sine = std::sin(e);
        alpha += kRightAscensionSine[i] * sine;
        delta += kDeclinationCosine[i] * std::cos(e);
        w += kMeridianSine[i] * sine;
    }
    w = std::fmod(w, 360.0);
    if (w < 0) {
        w += 360.0;
    }
    return {alpha * kRadPerDeg, delta * kRadPerDeg, w * kRadPerDeg};
}

void MoonBodyMatrix(const MoonOrientation& orientation, double matrix[3][3]) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            matrix[i][j] = i == j ? 1.0 : 0.0;
        }
    }
    RotateZ(std::numbers::pi / 2 + orientation.PoleRightAscensionRad, matrix);
    RotateX(std::numbers::pi / 2 - orientation.PoleDeclinationRad, matrix);
    RotateZ(orientation.PrimeMeridianRad, matrix);
}

}  // namespace velmorant
