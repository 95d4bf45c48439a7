// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

#include "run/run_parameters.h"

// The fast screen of the mutual windows: which instants certainly fail a DX station's elevation
// window, which certainly pass it, and which lie near a limit and must be decided by the
// planning walk's own routine (DxFiltersPass).
//
// The screen works with the sine of the Moon's geocentric elevation, a dot product of the
// station's direction and the Moon's (no trigonometry per station and instant). The walk's
// topocentric elevation e of a geocentric elevation h is, with the date's horizontal parallax p
// (radians), e = h - rho p cos(h + gamma cos A) (see HorizonPosition), so
// |e - (h - p cos h)| <= p (|gamma| + 1 - rho) <= 0.0068 p, about 0.007 degree. The limits of
// the window are widened by that bound and by the Single roundings (the elevation's sine and
// the dot product, 1e-6 in the sine) before they are turned into sines, so the screen never
// calls an instant certain that the walk could decide the other way. Instants near the zenith
// or the nadir, where the walk may keep an earlier view, are always decided by the walk.

namespace velmorant {

// The station's geocentric direction in the frame of MoonInstantTable: latitude clamped to
// +/-89.9999 degrees as HorizonPosition clamps it; Singles.
struct StationDirection {
    float X = 0, Y = 0, Z = 0;
};
StationDirection DirectionOf(const StationSite& site);

// Bounds on the sine of the geocentric elevation for one date and one elevation window.
struct ElevationScreen {
    float FailLow = -2;   // below: the elevation is certainly under the lower limit
    float FailHigh = 2;   // above: certainly over the upper limit
    float PassLow = 2;    // from here ...
    float PassHigh = -2;  // ... to here the elevation is certainly inside the window
};

// aboveRad, belowRad: the window's limits (radians, Singles as the run holds them);
// parallaxRad: the date's horizontal parallax.
ElevationScreen ScreenFor(float aboveRad, float belowRad, double parallaxRad);

// The classes of the screen.
inline constexpr std::uint8_t kScreenFail = 0;
inline constexpr std::uint8_t kScreenNearLimit = 1;
inline constexpr std::uint8_t kScreenPass = 2;

// Classifies `count` instants (a multiple of 8): the Moon's directions x, y, z, the Home mask
// (0xff where Home passes, 0 where it fails: then the class is kScreenFail), the station's
// direction and the date's screen. Writes the elevation sines and the classes.
void ClassifyInstants(const float* x, const float* y, const float* z, const std::uint8_t* homeMask,
                      std::size_t count, StationDirection station, const ElevationScreen& screen,
                      float* sines, std::uint8_t* classes);
// The same in plain code, which the compiler makes vector code of as it can: what processors
// without AVX2 run, and what the AVX2 code is checked against.
void ClassifyInstantsPlain(const float* x, const float* y, const float* z,
                           const std::uint8_t* homeMask, std::size_t count,
                           StationDirection station, const ElevationScreen& screen, float* sines,
                           std::uint8_t* classes);

// The index of the first of the highest of `count` (> 0) sines.
std::size_t HighestSine(const float* sines, std::size_t count);

}  // namespace velmorant
